#pragma once

#include "ui/Control.h"

#include <vector>

class QAction;
class QMenu;

namespace ui
{

// An entry of a form's menu tree. A caption "-" makes it a separator. Visible top-level entries
// make up the form's menu bar; an entry with sub-entries opens them, and can pop them up anywhere.
class MenuEntry : public Control
{
public:
    MenuEntry(Form &form, const ControlDesign &design, MenuEntry *parent);

    QString text() const override;
    void setText(const QString &text) override;
    void click() override;

    MenuEntry *parent() const { return m_parent; }
    const std::vector<MenuEntry *> &entries() const { return m_entries; }
    bool isSeparator() const;
    bool checked() const;
    void setChecked(bool checked);

    // Shows the sub-entries as a pop-up menu at the mouse pointer and returns at once; the chosen
    // entry's click runs from the event loop.
    void popup();

    QAction *action() const { return m_action; }
    // The menu of the sub-entries; created with the first one.
    QMenu *menu() const { return m_menu; }

protected:
    void showVisible() override;
    void showEnabled() override;
    void showColours() override {}
    void showFont() override {}
    void showToolTip() override {}
    void showGeometry() override {}

private:
    QMenu *subMenu();

    MenuEntry *m_parent;
    std::vector<MenuEntry *> m_entries;
    QAction *m_action;
    QMenu *m_menu = nullptr;
};

} // namespace ui
