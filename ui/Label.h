#pragma once

#include "ui/Alignment.h"
#include "ui/Control.h"

class QLabel;

namespace ui
{

class Label : public Control
{
public:
    Label(Form &form, const ControlDesign &design);

    QString text() const override;
    void setText(const QString &text) override;

    Alignment alignment() const { return m_alignment; }
    void setAlignment(Alignment alignment);
    // A transparent label shows its container's background (BackStyle 0).
    bool transparent() const { return m_transparent; }
    void setTransparent(bool transparent);

protected:
    void showColours() override;

private:
    QLabel *label() const;
    Alignment m_alignment = Alignment::Left;
    bool m_transparent = false;
};

} // namespace ui
