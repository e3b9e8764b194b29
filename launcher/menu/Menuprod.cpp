#include "launcher/menu/Menuprod.h"

#include "launcher/menu/ExitRules.h"
#include "launcher/menu/MenuStartUp.h"
#include "launcher/menu/ModuleLauncher.h"
#include "platform/Failure.h"

namespace menu
{

namespace
{

constexpr int keyF11 = 122;

} // namespace

Menuprod::Menuprod(const MenuContext &context) : m_context(context)
{
    m_form.onLoad = [this] { Form_Load(m_form, m_context); };
    m_form.onUnload = [this](bool &cancel) { Form_Unload(m_context, cancel); };
    m_form.onKeyDown = [this](int &keyCode, int shift) { Form_KeyDown(keyCode, shift); };
    m_form.onFrameKnown = [this] { dockWithFrame(m_form); };
    for (const ModuleRow &row : moduleTable())
        m_form.button(row.button).onClick = [this, &row] { launchModule(m_context, row); };
    m_form.button(QStringLiteral("Cmd_Outils")).onClick = [this] {
        m_form.menuEntry(QStringLiteral("M_UTIL")).popup();
    };
}

void Menuprod::Form_KeyDown(int &keyCode, int /*shift*/)
{
    if (keyCode != keyF11)
        return;
    keyCode = 0;
    // The key handler goes on past any failure.
    try {
        Repositionne_Menu(m_form);
    } catch (const platform::Failure &) {
    }
}

} // namespace menu
