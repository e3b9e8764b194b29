#include "ui/StatusBar.h"

#include "platform/Failure.h"

#include <QLabel>
#include <QWidget>
#include <algorithm>

namespace ui
{

// The panels share the bar's width equally. They are placed by hand rather than by a layout, which
// would measure their texts, and so load fonts, long before the bar is first drawn.
class StatusBar::Panels : public QWidget
{
public:
    explicit Panels(QWidget *parent) : QWidget(parent) {}

    void add(const QString &text)
    {
        auto *panel = new QLabel(text, this);
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setTextFormat(Qt::PlainText);
        m_labels.append(panel);
        place();
    }

    QLabel *panel(int number) const
    {
        if (number < 1 || number > m_labels.size())
            throw platform::Failure(QStringLiteral("Index hors limites"), 35600);
        return m_labels.at(number - 1);
    }

    int count() const { return static_cast<int>(m_labels.size()); }

protected:
    void resizeEvent(QResizeEvent *) override { place(); }

private:
    static constexpr int margin = 1;
    static constexpr int spacing = 2;

    void place()
    {
        const int count = static_cast<int>(m_labels.size());
        const int room = std::max(0, width() - 2 * margin - (count - 1) * spacing);
        int left = margin;
        for (int i = 0; i < count; ++i) {
            // The last panel takes what the division leaves over.
            const int panelWidth = i == count - 1 ? width() - margin - left : room / count;
            m_labels.at(i)->setGeometry(left, margin, std::max(0, panelWidth),
                                        std::max(0, height() - 2 * margin));
            left += panelWidth + spacing;
        }
    }

    QList<QLabel *> m_labels;
};

StatusBar::StatusBar(Form &form, const ControlDesign &design)
    : Control(form, design, ControlKind::StatusBar, new Panels(parentWidget(form, design)))
{
    addPanel();
}

StatusBar::Panels *StatusBar::panels() const
{
    return static_cast<Panels *>(widget());
}

int StatusBar::panelCount() const
{
    return panels()->count();
}

void StatusBar::addPanel(const QString &text)
{
    panels()->add(text);
}

QString StatusBar::panelText(int panel) const
{
    return panels()->panel(panel)->text();
}

void StatusBar::setPanelText(int panel, const QString &text)
{
    panels()->panel(panel)->setText(text);
}

void StatusBar::dock(int clientWidth, int clientHeight)
{
    setGeometry({0, clientHeight - height(), clientWidth, height()});
}

} // namespace ui
