#include "ui/Label.h"

#include "ui/CaptionRoom.h"

#include <QLabel>
#include <QPainter>
#include <QStyle>
#include <algorithm>
#include <vector>

namespace ui
{

namespace
{

// A label lies under the controls placed after it, as on the original. The substituted fonts draw a
// few pixels wider than the original's: a caption that would run under such a control, or past the
// label's own width, is condensed a little to fit, and wraps within what is left only when that is
// not enough.
class CaptionLabel : public QLabel
{
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent *event) override
    {
        const QString caption = text();
        const int room = captionRoom(geometry(), fontMetrics().height(), controlsAbove());
        const auto widthAt = [&](int stretch) {
            QFont condensed = font();
            condensed.setStretch(stretch);
            return QFontMetricsF(condensed).boundingRect(QRectF(), int(alignment()), caption).width();
        };
        if (room >= width() && widthAt(100) <= width()) {
            QLabel::paintEvent(event);
            return;
        }
        QRect area = contentsRect();
        area.setWidth(std::min(area.width(), room));
        int flags = int(alignment());
        QFont shown = font();
        if (const int stretch = captionStretch(widthAt, area.width()); stretch > 0)
            shown.setStretch(stretch);
        else
            flags |= Qt::TextWordWrap;
        QPainter painter(this);
        painter.setFont(shown);
        style()->drawItemText(&painter, area, flags, palette(), isEnabled(), caption, foregroundRole());
    }

private:
    // Places of the visible controls stacked above this label in its container.
    std::vector<QRect> controlsAbove() const
    {
        std::vector<QRect> above;
        const QObjectList &siblings = parentWidget()->children();
        for (auto it = siblings.begin() + siblings.indexOf(this) + 1; it != siblings.end(); ++it)
            if (const auto *sibling = qobject_cast<const QWidget *>(*it); sibling && !sibling->isHidden())
                above.push_back(sibling->geometry());
        return above;
    }
};

} // namespace

Label::Label(Form &form, const ControlDesign &design)
    : Control(form, design, ControlKind::Label, new CaptionLabel(parentWidget(form, design)))
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
