#include "ui/Label.h"

#include <QLabel>

namespace ui
{

Label::Label(Form &form, const ControlDesign &design)
    : Control(form, design, ControlKind::Label, new QLabel(parentWidget(form, design)))
{
    label()->setTextFormat(Qt::PlainText);
    label()->setWordWrap(true);
    label()->setAlignment(toQtAlignment(m_alignment));
}

QLabel *Label::label() const
{
    return static_cast<QLabel *>(widget());
}

QString Label::text() const
{
    return label()->text();
}

void Label::setText(const QString &text)
{
    label()->setText(text);
}

void Label::setAlignment(Alignment alignment)
{
    m_alignment = alignment;
    label()->setAlignment(toQtAlignment(alignment));
}

void Label::setTransparent(bool transparent)
{
    m_transparent = transparent;
    showColours();
}

void Label::showColours()
{
    Control::showColours();
    widget()->setAutoFillBackground(!m_transparent);
}

} // namespace ui
