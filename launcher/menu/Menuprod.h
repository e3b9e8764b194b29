#pragma once

#include "launcher/menu/MenuContext.h"
#include "launcher/menu/MenuForm.h"
#include "launcher/menu/SettingsWindows.h"

namespace menu
{

// The main menu with its events: load (the start-up), the module buttons, the tools button and
// its entries, the link label, F11 and F12, and the unload with its exit rules.
class Menuprod
{
public:
    explicit Menuprod(const MenuContext &context);

    MenuForm &form() { return m_form; }
    const MenuContext &context() const { return m_context; }
    const SettingsWindows &settingsWindows() const { return m_settings; }

private:
    void Form_KeyDown(int &keyCode, int shift);
    void wireTools();
    void wireLink();

    MenuContext m_context;
    MenuForm m_form;
    SettingsWindows m_settings;
};

} // namespace menu
