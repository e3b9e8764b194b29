#include "ui/CheckBox.h"

#include "ui/WrappingButton.h"

namespace ui
{

CheckBox::CheckBox(Form &form, const ControlDesign &design)
    : MarkedButton(form, design, ControlKind::CheckBox,
                   new WrappingButton<QCheckBox>(parentWidget(form, design)))
{
    QObject::connect(box(), &QCheckBox::stateChanged, context(), [this] { raise(onClick); });
}

QCheckBox *CheckBox::box() const
{
    return static_cast<QCheckBox *>(button());
}

int CheckBox::value() const
{
    switch (box()->checkState()) {
    case Qt::Checked:
        return 1;
    case Qt::PartiallyChecked:
        return 2;
    case Qt::Unchecked:
        break;
    }
    return 0;
}

void CheckBox::setValue(int value)
{
    box()->setTristate(value == 2);
    box()->setCheckState(value == 1 ? Qt::Checked : value == 2 ? Qt::PartiallyChecked : Qt::Unchecked);
}

} // namespace ui
