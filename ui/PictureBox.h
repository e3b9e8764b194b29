#pragma once

#include "ui/Control.h"

#include <QPixmap>

namespace ui
{

// A container that may show a picture behind its controls (the button bars of the forms).
class PictureBox : public Control
{
public:
    PictureBox(Form &form, const ControlDesign &design);

    QWidget *childArea() const override { return widget(); }
    const QPixmap &picture() const { return m_picture; }
    void setPicture(const QPixmap &picture);

private:
    QPixmap m_picture;
};

} // namespace ui
