#pragma once

#include "ui/Control.h"

namespace ui
{

// A container with a border and a caption; the places of its controls count from its top left.
class Frame : public Control
{
public:
    Frame(Form &form, const ControlDesign &design);

    QString text() const override;
    void setText(const QString &text) override;
    QWidget *childArea() const override { return widget(); }
};

} // namespace ui
