#include "ui/ThreeDButton.h"

#include "ui/ThreeDButtonWidget.h"

namespace ui
{

ThreeDButton::ThreeDButton(Form &form, const ControlDesign &design)
    : Control(form, design, ControlKind::ThreeDButton,
              new ThreeDButtonWidget(parentWidget(form, design), *this))
{
    QObject::connect(static_cast<ThreeDButtonWidget *>(widget()), &QAbstractButton::clicked, context(),
                     [this] { raise(onClick); });
}

QString ThreeDButton::text() const
{
    return m_caption;
}

void ThreeDButton::setText(const QString &text)
{
    m_caption = text;
    // The widget keeps the text too, for its mnemonic (Alt+letter).
    static_cast<QAbstractButton *>(widget())->setText(text);
    widget()->update();
}

void ThreeDButton::click()
{
    static_cast<QAbstractButton *>(widget())->click();
}

void ThreeDButton::setThreeDTextHighlightColor(ColourNumber colour)
{
    toQColor(colour);
    m_highlight = colour;
    widget()->update();
}

void ThreeDButton::setThreeDTextOffset(int pixels)
{
    m_offset = pixels;
    widget()->update();
}

void ThreeDButton::setPicture(const QPixmap &picture)
{
    m_picture = picture;
    widget()->update();
}

} // namespace ui
