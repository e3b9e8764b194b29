#pragma once

#include "launcher/menu/MenuContext.h"
#include "launcher/menu/MenuForm.h"

namespace menu
{

// The main menu with its events: load (the start-up), the module buttons, the tools button, F11 and
// the unload with its exit rules.
class Menuprod
{
public:
    explicit Menuprod(const MenuContext &context);

    MenuForm &form() { return m_form; }
    const MenuContext &context() const { return m_context; }

private:
    void Form_KeyDown(int &keyCode, int shift);

    MenuContext m_context;
    MenuForm m_form;
};

} // namespace menu
