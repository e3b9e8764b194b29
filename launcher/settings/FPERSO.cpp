#include "launcher/settings/FPERSO.h"

#include "launcher/services/MenuConfig.h"
#include "launcher/settings/LauncherIni.h"
#include "launcher/settings/PersoColours.h"
#include "platform/Failure.h"
#include "ui/ColourDialog.h"
#include "ui/Dialogs.h"

namespace settings
{

namespace
{

const QString restartMessage =
    QStringLiteral("Vous devrez redémarrer TORBPROD pour prendre en compte les modifications ...");

} // namespace

FPERSO::FPERSO(const SettingsContext &context) : m_context(context)
{
    m_form.onLoad = [this] { Form_Load(); };
    ui::ThreeDButton *sample = &m_form.sample();
    m_form.button(QStringLiteral("CMD_Fond")).onClick = [this] {
        chooseColour(m_form.backColour(), [this](ui::ColourNumber colour) { m_form.setBackColour(colour); });
    };
    m_form.button(QStringLiteral("CMD_FondBtn")).onClick = [this, sample] {
        chooseColour(sample->backColour(),
                     [sample](ui::ColourNumber colour) { sample->setBackColour(colour); });
    };
    m_form.button(QStringLiteral("CMD_TexteBtn")).onClick = [this, sample] {
        chooseColour(sample->foreColour(),
                     [sample](ui::ColourNumber colour) { sample->setForeColour(colour); });
    };
    onClick(QStringLiteral("CMD_DEFAUT"), &FPERSO::CMD_DEFAUT_Click);
    onClick(QStringLiteral("CMD_Resultat"), &FPERSO::CMD_Resultat_Click);
    onClick(QStringLiteral("CMD_Enreg"), &FPERSO::CMD_Enreg_Click);
    onClick(QStringLiteral("CMD_MajIni"), &FPERSO::CMD_MajIni_Click);
    onClick(QStringLiteral("CMD_ModifIni"), &FPERSO::CMD_ModifIni_Click);
    onClick(QStringLiteral("CMD_MajLangue"), &FPERSO::CMD_MajLangue_Click);
    m_form.button(QStringLiteral("Cmd_Fermer")).onClick = [this] { m_form.unload(); };
}

void FPERSO::onClick(const QString &button, void (FPERSO::*handler)())
{
    m_form.button(button).onClick = [this, handler] { guarded([this, handler] { (this->*handler)(); }); };
}

void FPERSO::guarded(const std::function<void()> &handler)
{
    try {
        handler();
    } catch (const platform::Failure &failure) {
        ui::dialogs().message(failure.description());
    }
}

// A window loaded again starts as designed: the text box empty and locked, no language chosen.
// The colours and the text are each shown when they can be, whatever became of the other.
void FPERSO::Form_Load()
{
    m_form.iniText().setText({});
    m_form.iniText().setLocked(true);
    m_form.clearLanguageChoice();
    guarded([this] { showCurrentColours(); });
    guarded([this] { m_form.iniText().setText(loadLauncherIni(m_context.state.Rep_Donnees)); });
}

void FPERSO::showCurrentColours()
{
    const services::SharedState &state = m_context.state;
    showColours(m_form, persoColours(state.Coul_FondMenu, state.Coul_FondBtn, state.Coul_TexteBtn));
}

// A cancelled choice leaves the target as it was.
void FPERSO::chooseColour(ui::ColourNumber current, const std::function<void(ui::ColourNumber)> &give)
{
    if (const std::optional<ui::ColourNumber> chosen = ui::colourDialog().choose(current))
        give(*chosen);
}

void FPERSO::CMD_DEFAUT_Click()
{
    const services::SharedState &state = m_context.state;
    showColours(m_form,
                persoColours(state.Coul_FondMenu_Def, state.Coul_FondBtn_Def, state.Coul_TexteBtn_Def));
}

void FPERSO::CMD_Resultat_Click()
{
    paintMenu(m_context.menu, shownColours(m_form));
}

// A file that cannot be written keeps the window open with the colours chosen.
void FPERSO::CMD_Enreg_Click()
{
    services::writeMenuConfig(m_context.state.Rep_Donnees + QStringLiteral("menuconfig.ini"),
                              menuColours(shownColours(m_form)));
    CMD_Resultat_Click();
    m_form.unload();
}

void FPERSO::CMD_MajIni_Click()
{
    m_form.iniText().setLocked(false);
    m_form.iniText().setFocus();
}

// The restart message follows a save that was written; a failed one is reported instead, with the
// text left in the box for another try.
void FPERSO::CMD_ModifIni_Click()
{
    showCurrentColours();
    saveLauncherIni(m_context.state.Rep_Donnees, m_form.iniText().text());
    m_form.iniText().setLocked(true);
    m_form.iniText().setFocus();
    ui::dialogs().message(restartMessage);
}

void FPERSO::CMD_MajLangue_Click()
{
    const QString line = chosenLanguageLine();
    ui::TextBox &ini = m_form.iniText();
    if (ini.text().isEmpty()) {
        writeLanguageOnly(m_context.state.Rep_Donnees, line);
        return;
    }
    ini.setText(iniWithLanguageLine(ini.text(), line));
    ui::doEvents();
    CMD_ModifIni_Click();
}

QString FPERSO::chosenLanguageLine() const
{
    if (m_form.language(0).value())
        return LanguageLine1;
    if (m_form.language(1).value())
        return LanguageLine2;
    return QString();
}

} // namespace settings
