#include "ui/MenuEntry.h"

#include "ui/Form.h"

#include <QAction>
#include <QCursor>
#include <QMenu>
#include <QMenuBar>

namespace ui
{

MenuEntry::MenuEntry(Form &form, const ControlDesign &design, MenuEntry *parent)
    : Control(form, design, ControlKind::MenuEntry, nullptr), m_parent(parent),
      m_action(new QAction(form.window()))
{
    QObject::connect(m_action, &QAction::triggered, context(), [this] { raise(onClick); });
    if (m_parent) {
        m_parent->subMenu()->addAction(m_action);
        m_parent->m_entries.push_back(this);
    } else if (form.hasMenuBar()) {
        form.menuBar()->addAction(m_action);
    }
}

QMenu *MenuEntry::subMenu()
{
    if (!m_menu) {
        m_menu = new QMenu(form().window());
        m_action->setMenu(m_menu);
    }
    return m_menu;
}

QString MenuEntry::text() const
{
    return Control::text();
}

void MenuEntry::setText(const QString &text)
{
    Control::setText(text);
    // A separator with a text is drawn as a titled section by some styles: the "-" stays the
    // entry's caption only.
    m_action->setSeparator(isSeparator());
    m_action->setText(isSeparator() ? QString() : text);
}

void MenuEntry::click()
{
    m_action->trigger();
}

bool MenuEntry::isSeparator() const
{
    return text() == QLatin1String("-");
}

bool MenuEntry::checked() const
{
    return m_action->isChecked();
}

void MenuEntry::setChecked(bool checked)
{
    m_action->setCheckable(true);
    m_action->setChecked(checked);
}

void MenuEntry::popup()
{
    if (m_menu)
        m_menu->popup(QCursor::pos());
}

void MenuEntry::showVisible()
{
    m_action->setVisible(visible());
    if (!m_parent)
        form().showMenuBar();
}

void MenuEntry::showEnabled()
{
    m_action->setEnabled(enabled());
}

} // namespace ui
