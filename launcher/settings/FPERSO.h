#pragma once

#include "launcher/settings/PersoForm.h"
#include "launcher/settings/SettingsContext.h"

#include <functional>

namespace settings
{

// The personalisation window, never translated: chooses the menu colours (previewed on itself, on
// its sample button and, on request, on the loaded main menu) and saves them in the data folder's
// menuconfig.ini; shows and saves torbprod.ini; writes its language line. Show form() modeless;
// every opening starts from the launcher's current colours and reloads the INI text. The window
// closes itself (Fermer, or after saving the colours). Colours come from ui::colourDialog(),
// messages go through ui::dialogs(); a failure is shown in a message and the window stays.
class FPERSO
{
public:
    explicit FPERSO(const SettingsContext &context);

    PersoForm &form() { return m_form; }

private:
    void Form_Load();
    void showCurrentColours();
    void chooseColour(ui::ColourNumber current, const std::function<void(ui::ColourNumber)> &give);
    void CMD_DEFAUT_Click();
    void CMD_Resultat_Click();
    void CMD_Enreg_Click();
    void CMD_MajIni_Click();
    void CMD_ModifIni_Click();
    void CMD_MajLangue_Click();

    // Runs a handler; a failure it throws is shown in a message box and ends only that handler.
    void guarded(const std::function<void()> &handler);
    void onClick(const QString &button, void (FPERSO::*handler)());
    QString chosenLanguageLine() const;

    SettingsContext m_context;
    PersoForm m_form;
};

} // namespace settings
