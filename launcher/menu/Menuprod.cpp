#include "launcher/menu/Menuprod.h"

#include "launcher/menu/ExitRules.h"
#include "launcher/menu/ForceClose.h"
#include "launcher/menu/MenuStartUp.h"
#include "launcher/menu/ModuleLauncher.h"
#include "launcher/menu/ToolPrograms.h"
#include "launcher/menu/UpdatePage.h"
#include "platform/Failure.h"
#include "ui/Dialogs.h"

namespace menu
{

namespace
{

constexpr int keyF11 = 122;
constexpr int keyF12 = 123;
constexpr ui::ColourNumber linkLit = 65535; // yellow
constexpr ui::ColourNumber linkUnlit = 0;   // black

} // namespace

Menuprod::Menuprod(const MenuContext &context)
    : m_context(context), m_settings({context.state, context.traduction, context.keys, m_form})
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
    wireTools();
    wireLink();
}

void Menuprod::wireTools()
{
    for (const ToolProgram &tool : toolPrograms())
        m_form.menuEntry(tool.entry).onClick = [this, &tool] { startTool(m_context, tool.program); };
    m_form.menuEntry(QStringLiteral("M_DBPATH")).onClick = [this] { m_settings.showDataPaths(); };
    m_form.menuEntry(QStringLiteral("M_PERSO")).onClick = [this] { m_settings.showPersonalisation(); };
    m_form.menuEntry(QStringLiteral("M_INITORB")).onClick = [] {
        ui::dialogs().message(QStringLiteral("Cette fonction est en cours de test ..."));
    };
    m_form.menuEntry(QStringLiteral("M_WEB")).onClick = [this] { openUpdatePage(m_context); };
    m_form.menuEntry(QStringLiteral("M_KILLAPP")).onClick = [this] {
        int keyCode = keyF12;
        Form_KeyDown(keyCode, 0);
    };
}

// The link label lights up under the mouse and goes dark when the mouse is over no control.
void Menuprod::wireLink()
{
    ui::Label &link = m_form.label(QStringLiteral("CTL_WEB"));
    link.onClick = [this] { openUpdatePage(m_context); };
    link.onMouseMove = [&link](const ui::MouseEvent &) { link.setForeColour(linkLit); };
    m_form.onMouseMove = [&link](const ui::MouseEvent &) { link.setForeColour(linkUnlit); };
}

void Menuprod::Form_KeyDown(int &keyCode, int /*shift*/)
{
    if (keyCode != keyF11 && keyCode != keyF12)
        return;
    const bool forceClose = keyCode == keyF12;
    keyCode = 0;
    // The key handler goes on past any failure.
    try {
        if (forceClose)
            forceCloseModules(m_context);
        else
            Repositionne_Menu(m_form);
    } catch (const platform::Failure &) {
    }
}

} // namespace menu
