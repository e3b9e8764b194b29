#include "translation-editor/ListButtonPictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace peluvar
{

namespace
{

constexpr int Side = 16;
const QColor Ink(30, 50, 110);

void drawFunnel(QPainter &painter)
{
    QPainterPath funnel;
    funnel.moveTo(2, 3);
    funnel.lineTo(14, 3);
    funnel.lineTo(9.5, 8.5);
    funnel.lineTo(9.5, 14);
    funnel.lineTo(6.5, 12.5);
    funnel.lineTo(6.5, 8.5);
    funnel.closeSubpath();
    painter.fillPath(funnel, QColor(250, 210, 90));
    painter.drawPath(funnel);
}

void drawMagnifier(QPainter &painter)
{
    painter.setBrush(QColor(215, 235, 255));
    painter.drawEllipse(QRectF(2, 2, 8.5, 8.5));
    painter.setPen(QPen(Ink, 2.5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(9.5, 9.5), QPointF(14, 14));
}

void drawSort(QPainter &painter)
{
    QFont font = painter.font();
    font.setPixelSize(7);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(QRectF(0, 0, 9, 8), Qt::AlignCenter, QStringLiteral("A"));
    painter.drawText(QRectF(0, 8, 9, 8), Qt::AlignCenter, QStringLiteral("Z"));
    painter.drawLine(QPointF(12, 2), QPointF(12, 13));
    painter.drawLine(QPointF(9.5, 10.5), QPointF(12, 13.5));
    painter.drawLine(QPointF(14.5, 10.5), QPointF(12, 13.5));
}

void drawRestore(QPainter &painter)
{
    painter.setPen(QPen(Ink, 1.8));
    painter.drawArc(QRectF(3, 3, 10, 10), 100 * 16, 290 * 16);
    QPainterPath head;
    head.moveTo(5.5, 0.5);
    head.lineTo(9.5, 3.5);
    head.lineTo(5, 6);
    head.closeSubpath();
    painter.fillPath(head, Ink);
}

} // namespace

QPixmap listButtonPicture(int index)
{
    QPixmap picture(Side, Side);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Ink, 1.2));
    switch (index) {
    case 0:
        drawFunnel(painter);
        break;
    case 1:
        drawMagnifier(painter);
        break;
    case 2:
        drawSort(painter);
        break;
    default:
        drawRestore(painter);
        break;
    }
    return picture;
}

QPixmap buttonBarBackground(const QSize &size)
{
    QPixmap background(size);
    QPainter painter(&background);
    QLinearGradient shade(0, 0, 0, size.height());
    shade.setColorAt(0, QColor(236, 240, 248));
    shade.setColorAt(1, QColor(190, 200, 222));
    painter.fillRect(background.rect(), shade);
    return background;
}

} // namespace peluvar
