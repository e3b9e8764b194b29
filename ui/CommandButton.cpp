#include "ui/CommandButton.h"

#include <QPushButton>

namespace ui
{

CommandButton::CommandButton(Form &form, const ControlDesign &design)
    : ButtonControl(form, design, ControlKind::CommandButton, new QPushButton(parentWidget(form, design)))
{
    QObject::connect(button(), &QAbstractButton::clicked, context(), [this] { raise(onClick); });
}

} // namespace ui
