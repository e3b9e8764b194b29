#include "ui/OptionButton.h"

#include "ui/WrappingButton.h"

namespace ui
{

OptionButton::OptionButton(Form &form, const ControlDesign &design)
    : ButtonControl(form, design, ControlKind::OptionButton,
                    new WrappingButton<QRadioButton>(parentWidget(form, design)))
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
    // Qt keeps one option of a group selected; clearing the selected one must leave the group empty.
    QAbstractButton *option = button();
    const bool exclusive = option->autoExclusive();
    if (!value)
        option->setAutoExclusive(false);
    option->setChecked(value);
    option->setAutoExclusive(exclusive);
}

} // namespace ui
