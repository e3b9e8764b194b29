#include "ui/ButtonControl.h"

#include <QAbstractButton>

namespace ui
{

ButtonControl::ButtonControl(Form &form, const ControlDesign &design, ControlKind kind,
                             QAbstractButton *button)
    : Control(form, design, kind, button)
{
}

QAbstractButton *ButtonControl::button() const
{
    return static_cast<QAbstractButton *>(widget());
}

QString ButtonControl::text() const
{
    return button()->text();
}

void ButtonControl::setText(const QString &text)
{
    button()->setText(text);
}

void ButtonControl::click()
{
    button()->click();
}

} // namespace ui
