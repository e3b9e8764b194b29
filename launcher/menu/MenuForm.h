#pragma once

#include "ui/Form.h"
#include "ui/Label.h"
#include "ui/MenuEntry.h"
#include "ui/StatusBar.h"
#include "ui/ThreeDButton.h"

#include <vector>

namespace menu
{

// MENUPROD as designed, before its load: the window, its ten 3-D buttons, labels, status bar and the
// menu tree whose tools pop-up the tools button shows.
class MenuForm : public ui::Form
{
public:
    MenuForm();

    // The 3-D buttons in the window's control order.
    const std::vector<ui::ThreeDButton *> &threeDButtons() const { return m_buttons; }
    ui::ThreeDButton &button(const QString &name) const { return get<ui::ThreeDButton>(name); }
    ui::MenuEntry &menuEntry(const QString &name) const { return get<ui::MenuEntry>(name); }
    ui::Label &label(const QString &name) const { return get<ui::Label>(name); }
    ui::StatusBar &statusBar() const;

private:
    void addButtons();
    void addLabels();
    void addStatusBar();
    void addMenuTree();

    std::vector<ui::ThreeDButton *> m_buttons;
};

} // namespace menu
