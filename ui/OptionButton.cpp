#include "ui/OptionButton.h"

#include <QRadioButton>

namespace ui
{

OptionButton::OptionButton(Form &form, const ControlDesign &design)
    : ButtonControl(form, design, ControlKind::OptionButton, new QRadioButton(parentWidget(form, design)))
{
    QObject::connect(button(), &QAbstractButton::toggled, context(), [this](bool on) {
        if (on)
            raise(onClick);
    });
}

bool OptionButton::value() const
{
    return button()->isChecked();
}

void OptionButton::setValue(bool value)
{
    button()->setChecked(value);
}

} // namespace ui
