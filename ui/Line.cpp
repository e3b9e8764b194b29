#include "ui/Line.h"

#include <QPainter>
#include <QWidget>
#include <algorithm>
#include <cstdlib>

namespace ui
{

namespace
{
// Covers the box around the line and draws it from corner to corner.
class LineWidget : public QWidget
{
public:
    LineWidget(QWidget *parent, const Line &line) : QWidget(parent), m_line(line)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setPen(toQColor(m_line.borderColour()));
        const int left = std::min(m_line.x1(), m_line.x2());
        const int top = std::min(m_line.y1(), m_line.y2());
        painter.drawLine(twipsToPixels(m_line.x1() - left), twipsToPixels(m_line.y1() - top),
                         twipsToPixels(m_line.x2() - left), twipsToPixels(m_line.y2() - top));
    }

private:
    const Line &m_line;
};
} // namespace

Line::Line(Form &form, const ControlDesign &design)
    : Control(form, design, ControlKind::Line, new LineWidget(parentWidget(form, design), *this))
{
}

void Line::setEnds(int x1, int y1, int x2, int y2)
{
    m_x1 = x1;
    m_y1 = y1;
    m_x2 = x2;
    m_y2 = y2;
    showGeometry();
}

TwipsRect Line::geometry() const
{
    return {std::min(m_x1, m_x2), std::min(m_y1, m_y2), std::abs(m_x2 - m_x1), std::abs(m_y2 - m_y1)};
}

// A new box keeps the line's direction: each end keeps its corner.
void Line::setGeometry(const TwipsRect &place)
{
    const bool leftToRight = m_x1 <= m_x2;
    const bool topToBottom = m_y1 <= m_y2;
    const int right = place.left + place.width;
    const int bottom = place.top + place.height;
    setEnds(leftToRight ? place.left : right, topToBottom ? place.top : bottom,
            leftToRight ? right : place.left, topToBottom ? bottom : place.top);
}

void Line::setBorderColour(ColourNumber colour)
{
    toQColor(colour);
    m_borderColour = colour;
    widget()->update();
}

void Line::showGeometry()
{
    const QRect box = toPixels(geometry(), logicalDpi());
    widget()->setGeometry(box.adjusted(0, 0, 1, 1)); // a line of no width still shows one pixel
    widget()->update();
}

} // namespace ui
