#include "ui/StatusBar.h"

#include "platform/Failure.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QWidget>

namespace ui
{

class StatusBar::Panels : public QWidget
{
public:
    explicit Panels(QWidget *parent) : QWidget(parent), m_layout(new QHBoxLayout(this))
    {
        m_layout->setContentsMargins(1, 1, 1, 1);
        m_layout->setSpacing(2);
    }

    void add(const QString &text)
    {
        auto *panel = new QLabel(text, this);
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setTextFormat(Qt::PlainText);
        m_layout->addWidget(panel, 1);
        m_labels.append(panel);
    }

    QLabel *panel(int number) const
    {
        if (number < 1 || number > m_labels.size())
            throw platform::Failure(QStringLiteral("Index hors limites"), 35600);
        return m_labels.at(number - 1);
    }

    int count() const { return static_cast<int>(m_labels.size()); }

private:
    QHBoxLayout *m_layout;
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
