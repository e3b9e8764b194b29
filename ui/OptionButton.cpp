#include "ui/OptionButton.h"

#include "ui/WrappingButton.h"

#include <QHash>

namespace ui
{

namespace
{

// Qt leaves only the focused option of a group in the tab order; here each option stays a tab stop
// of its own, in the window's tab order.
class OptionWidget : public WrappingButton<QRadioButton>
{
public:
    using WrappingButton<QRadioButton>::WrappingButton;

protected:
    void focusInEvent(QFocusEvent *event) override
    {
        QHash<QRadioButton *, Qt::FocusPolicy> policies;
        for (QRadioButton *option : parentWidget()->findChildren<QRadioButton *>(Qt::FindDirectChildrenOnly))
            policies.insert(option, option->focusPolicy());
        WrappingButton<QRadioButton>::focusInEvent(event);
        for (auto kept = policies.cbegin(); kept != policies.cend(); ++kept)
            kept.key()->setFocusPolicy(kept.value());
    }
};

} // namespace

OptionButton::OptionButton(Form &form, const ControlDesign &design)
    : MarkedButton(form, design, ControlKind::OptionButton, new OptionWidget(parentWidget(form, design)))
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
