#include "launcher/menu/ButtonPictures.h"

#include <QPainter>
#include <QPainterPath>

namespace menu
{

namespace
{

// Every picture is drawn on a 32 × 32 grid and scaled.
const QColor ink(0x1d, 0x2b, 0x4f);
const QColor paper(0xfb, 0xfb, 0xf7);
const QColor accentRed(0xd0, 0x3b, 0x2f);
const QColor accentGreen(0x2f, 0x9e, 0x5b);
const QColor accentGold(0xe8, 0xa3, 0x1c);
const QColor accentBlue(0x2f, 0x73, 0xc9);
const QColor steel(0x8d, 0x99, 0xae);
const QColor wood(0xc8, 0x8b, 0x4a);

void pen(QPainter &p, const QColor &colour, qreal width = 1.6)
{
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

// A closed outline through the points.
QPainterPath outline(std::initializer_list<QPointF> points)
{
    QPainterPath path;
    path.addPolygon(QPolygonF(points));
    path.closeSubpath();
    return path;
}

void drawQuote(QPainter &p)
{
    pen(p, ink);
    p.setBrush(paper);
    const QPainterPath sheet = outline({{7, 3}, {20, 3}, {26, 9}, {26, 29}, {7, 29}});
    p.drawPath(sheet);
    p.drawPolyline(QPolygonF({QPointF(20, 3), QPointF(20, 9), QPointF(26, 9)}));
    pen(p, steel, 1.4);
    for (int y : {13, 17, 21})
        p.drawLine(QPointF(10, y), QPointF(17, y));
    p.setBrush(accentGold);
    pen(p, ink, 1.2);
    p.drawEllipse(QPointF(21.5, 23.5), 5, 5);
    // A euro sign drawn as lines: pictures are made before any font is needed.
    p.setBrush(Qt::NoBrush);
    pen(p, ink, 1.1);
    p.drawArc(QRectF(19, 20.5, 5.5, 6), 50 * 16, 260 * 16);
    p.drawLine(QPointF(18, 22.8), QPointF(22.2, 22.8));
    p.drawLine(QPointF(18, 24.4), QPointF(22.2, 24.4));
}

void drawMadeToMeasure(QPainter &p)
{
    // A set square over a ruler: things made to the customer's size.
    pen(p, ink);
    p.setBrush(accentGold);
    p.drawRect(QRectF(3, 21, 26, 7));
    pen(p, ink, 1.2);
    for (int x = 6; x <= 26; x += 4)
        p.drawLine(QPointF(x, 21), QPointF(x, x % 8 == 2 ? 25.5 : 24));
    pen(p, ink);
    p.setBrush(accentBlue);
    // A set square with its triangular hole.
    p.drawPath(
        outline({{6, 4}, {6, 18}, {22, 18}}).subtracted(outline({{9.5, 10.5}, {9.5, 14.5}, {13.5, 14.5}})));
}

void drawPurchasing(QPainter &p)
{
    pen(p, ink, 1.8);
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF({QPointF(2, 5), QPointF(7, 5), QPointF(11, 21), QPointF(26, 21)}));
    p.setBrush(accentGreen);
    const QPainterPath basket = outline({{8, 9}, {29, 9}, {26, 18}, {10.3, 18}});
    p.drawPath(basket);
    p.setBrush(ink);
    p.drawEllipse(QPointF(13, 26), 2.3, 2.3);
    p.drawEllipse(QPointF(24, 26), 2.3, 2.3);
}

void drawTimeTracking(QPainter &p)
{
    pen(p, ink, 1.8);
    p.setBrush(paper);
    p.drawEllipse(QPointF(16, 17), 12, 12);
    p.setBrush(accentRed);
    p.drawRect(QRectF(13, 2, 6, 3));
    pen(p, steel, 1.2);
    for (int hour = 0; hour < 12; ++hour) {
        p.save();
        p.translate(16, 17);
        p.rotate(hour * 30);
        p.drawLine(QPointF(0, -10), QPointF(0, -8.5));
        p.restore();
    }
    pen(p, ink, 2);
    p.drawLine(QPointF(16, 17), QPointF(16, 9.5));
    pen(p, accentRed, 1.8);
    p.drawLine(QPointF(16, 17), QPointF(21.5, 20));
}

void box(QPainter &p, const QRectF &r)
{
    pen(p, ink, 1.4);
    p.setBrush(wood);
    p.drawRect(r);
    pen(p, ink, 1);
    p.drawLine(QPointF(r.center().x(), r.top()), QPointF(r.center().x(), r.top() + r.height() / 3));
}

void drawStock(QPainter &p)
{
    pen(p, ink, 1.8);
    p.drawLine(QPointF(2, 29), QPointF(30, 29));
    box(p, QRectF(3, 17, 12, 11));
    box(p, QRectF(17, 17, 12, 11));
    box(p, QRectF(10, 5, 12, 11));
}

void drawManufacturing(QPainter &p)
{
    // A gear wheel.
    QPainterPath wheel;
    const int teeth = 8;
    for (int i = 0; i < teeth * 2; ++i) {
        const qreal radius = i % 2 == 0 ? 13.5 : 10.5;
        for (int edge = 0; edge < 2; ++edge) {
            const qreal angle = (i + edge) * (360.0 / (teeth * 2)) - 90;
            QLineF ray(QPointF(16, 16), QPointF(16 + radius, 16));
            ray.setAngle(-angle);
            if (i == 0 && edge == 0)
                wheel.moveTo(ray.p2());
            else
                wheel.lineTo(ray.p2());
        }
    }
    wheel.closeSubpath();
    wheel.addEllipse(QPointF(16, 16), 4, 4);
    wheel.setFillRule(Qt::OddEvenFill);
    pen(p, ink, 1.4);
    p.setBrush(steel);
    p.drawPath(wheel);
}

void drawVehicles(QPainter &p)
{
    pen(p, ink, 1.5);
    p.setBrush(accentBlue);
    p.drawRect(QRectF(2, 8, 17, 14));
    p.setBrush(accentRed);
    const QPainterPath cab = outline({{19, 12}, {25, 12}, {30, 17}, {30, 22}, {19, 22}});
    p.drawPath(cab);
    p.setBrush(paper);
    p.drawRect(QRectF(21, 14, 4, 3));
    p.setBrush(ink);
    p.drawEllipse(QPointF(8, 24), 3, 3);
    p.drawEllipse(QPointF(24, 24), 3, 3);
}

void drawScanner(QPainter &p)
{
    // A hand scanner above a bar code.
    pen(p, ink, 1.4);
    p.setBrush(accentGold);
    const QPainterPath gun =
        outline({{4, 4}, {22, 4}, {22, 11}, {14, 11}, {11, 19}, {7, 19}, {9, 11}, {4, 11}});
    p.drawPath(gun);
    pen(p, accentRed, 1.2);
    p.drawLine(QPointF(22, 7.5), QPointF(29, 13));
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    const qreal bars[][2] = {{14, 1.5}, {17, 1}, {19, 2}, {22.5, 1}, {24.5, 1.5}, {27, 1}, {29, 1.2}};
    for (const auto &bar : bars)
        p.drawRect(QRectF(bar[0], 20, bar[1], 9));
}

void drawBillOfMaterials(QPainter &p)
{
    // A product broken down into its parts.
    pen(p, ink, 1.4);
    p.drawLine(QPointF(16, 10), QPointF(16, 14));
    p.drawLine(QPointF(6, 14), QPointF(26, 14));
    for (int x : {6, 16, 26})
        p.drawLine(QPointF(x, 14), QPointF(x, 19));
    p.setBrush(accentBlue);
    p.drawRoundedRect(QRectF(10, 2, 12, 8), 1.5, 1.5);
    p.setBrush(accentGreen);
    for (int x : {6, 16, 26})
        p.drawRoundedRect(QRectF(x - 4, 19, 8, 7), 1.5, 1.5);
    pen(p, steel, 1.2);
    p.drawLine(QPointF(4, 29.5), QPointF(28, 29.5));
}

void drawTools(QPainter &p)
{
    // A spanner crossed with a screwdriver.
    p.save();
    p.translate(16, 16);
    p.rotate(45);
    pen(p, ink, 1.4);
    p.setBrush(steel);
    QPainterPath spanner;
    spanner.addRoundedRect(QRectF(-2.2, -6, 4.4, 19), 1.5, 1.5);
    spanner.addEllipse(QPointF(0, -9), 5.5, 5.5);
    spanner = spanner.simplified();
    QPainterPath jaw;
    jaw.addRect(QRectF(-2, -16, 4, 7));
    p.drawPath(spanner.subtracted(jaw));
    p.restore();
    p.save();
    p.translate(16, 16);
    p.rotate(-45);
    pen(p, ink, 1.2);
    p.setBrush(accentRed);
    p.drawRoundedRect(QRectF(-2.8, 3, 5.6, 11), 2, 2);
    p.setBrush(steel);
    p.drawRect(QRectF(-1, -13, 2, 16));
    p.restore();
}

using Drawing = void (*)(QPainter &);

// In the order of ButtonPicture.
const Drawing drawings[] = {drawQuote,           drawMadeToMeasure, drawPurchasing, drawTimeTracking,
                            drawStock,           drawManufacturing, drawVehicles,   drawScanner,
                            drawBillOfMaterials, drawTools};

void drawLauncherIcon(QPainter &p)
{
    // Three module buttons stacked in a blue window: the menu itself.
    pen(p, ink, 1.2);
    p.setBrush(QColor(0x66, 0x7b, 0xd8));
    p.drawRoundedRect(QRectF(5, 1.5, 22, 29), 2.5, 2.5);
    p.setBrush(paper);
    for (int y : {5, 12, 19})
        p.drawRoundedRect(QRectF(8, y, 16, 5), 1, 1);
    p.setBrush(accentGold);
    p.drawRect(QRectF(8, 26, 16, 2));
}

QPixmap painted(void (*drawing)(QPainter &), int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(size / 32.0, size / 32.0);
    drawing(painter);
    return pixmap;
}

} // namespace

QPixmap buttonPicture(ButtonPicture picture, int size)
{
    return painted(drawings[static_cast<int>(picture)], size);
}

QIcon launcherIcon()
{
    // Drawn at its design size; the window system scales it where it wants another.
    return QIcon(painted(drawLauncherIcon, 32));
}

} // namespace menu
