#include "ui/ThreeDButtonWidget.h"

#include "ui/ThreeDButton.h"
#include "ui/ThreeDButtonLayout.h"
#include "ui/ThreeDCaption.h"

#include <QPainter>
#include <qdrawutil.h>

namespace ui
{

ThreeDButtonWidget::ThreeDButtonWidget(QWidget *parent, const ThreeDButton &button)
    : QAbstractButton(parent), m_button(button)
{
    setFocusPolicy(Qt::StrongFocus);
}

void ThreeDButtonWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QColor back = toQColor(m_button.backColour());
    painter.fillRect(rect(), back);
    qDrawShadePanel(&painter, rect(), palette(), isDown(), 2, nullptr);

    const QStringList lines = threeDCaptionLines(m_button.m_caption);
    const QFontMetrics metrics(font());
    const int lineHeight = metrics.height();
    const QPixmap &picture = m_button.picture();
    const int pictureHeight =
        picture.isNull() ? 0 : picture.height() / std::max(1.0, picture.devicePixelRatio());
    const int lineCount = static_cast<int>(lines.size());
    const int shift = isDown() ? 1 : 0;
    int top = threeDContentTop(height(), pictureHeight, lineCount, lineHeight) + shift;

    if (!picture.isNull()) {
        const int pictureWidth = picture.width() / std::max(1.0, picture.devicePixelRatio());
        painter.drawPixmap((width() - pictureWidth) / 2 + shift, top, picture);
        top += pictureHeight + ThreeDPictureGap;
    }

    const int offset = m_button.threeDTextOffset();
    const QColor highlight = toQColor(m_button.threeDTextHighlightColor());
    const QColor fore = toQColor(m_button.foreColour());
    const int flags = Qt::AlignHCenter | Qt::AlignTop | Qt::TextShowMnemonic;
    for (const QString &line : lines) {
        const QRect lineRect(shift, top, width(), lineHeight);
        if (offset != 0) {
            painter.setPen(highlight);
            painter.drawText(lineRect.translated(offset, offset), flags, line);
        }
        painter.setPen(fore);
        painter.drawText(lineRect, flags, line);
        top += lineHeight;
    }
    if (hasFocus())
        painter.drawRect(rect().adjusted(4, 4, -5, -5));
}

} // namespace ui
