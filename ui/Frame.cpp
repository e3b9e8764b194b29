#include "ui/Frame.h"

#include <QGroupBox>

namespace ui
{

Frame::Frame(Form &form, const ControlDesign &design)
    : Control(form, design, ControlKind::Frame, new QGroupBox(parentWidget(form, design)))
{
}

QString Frame::text() const
{
    return static_cast<QGroupBox *>(widget())->title();
}

void Frame::setText(const QString &text)
{
    static_cast<QGroupBox *>(widget())->setTitle(text);
}

} // namespace ui
