#include "launcher/login/F_MDP.h"

#include "launcher/login/LoginTables.h"
#include "launcher/login/LoginText.h"
#include "launcher/login/Mdp.h"
#include "launcher/login/MenuRights.h"
#include "platform/Failure.h"
#include "platform/TextCase.h"
#include "ui/Dialogs.h"

namespace login
{

namespace
{

constexpr int toucheEntree = 13;
constexpr qint16 essaisAvantRefus = 2;

} // namespace

F_MDP::F_MDP(services::SharedState &etat, services::Traduction &traduction)
    : m_etat(etat), m_traduction(traduction)
{
    m_form.onLoad = [this] { Form_Load(); };
    m_form.profil().onKeyPress = [this](int &keyAscii) { CTX_MDP_PROFIL_KeyPress(keyAscii); };
    m_form.motDePasse().onGotFocus = [this] { CTX_MDP_PSWD_GotFocus(); };
    m_form.motDePasse().onKeyUp = [this](int &keyCode, int shift) { CTX_MDP_PSWD_KeyUp(keyCode, shift); };
    m_form.fermer().onClick = [this] { m_form.unload(); };
}

void F_MDP::Form_Load()
{
    Suffixe_Table = suffixeTable(m_etat.Num_Module);
    DB_MDP = baseModule(m_etat, numeroModule(m_etat.Num_Module, m_etat.Tab_Module));
    Nb_Essais = 1;
    // A dialog loaded again starts as designed.
    const std::initializer_list<ui::Control *> remplis{&m_form.profil(), &m_form.motDePasse(),
                                                       &m_form.message(), &m_form.essai()};
    for (ui::Control *control : remplis)
        control->setText({});
    m_traduction.TRAD_Form(m_form);
}

void F_MDP::CTX_MDP_PROFIL_KeyPress(int &keyAscii)
{
    ui::TextBox &profil = m_form.profil();
    if (profil.text().isEmpty())
        return;
    if (keyAscii != toucheEntree) {
        m_form.message().setText({});
        return;
    }
    keyAscii = 0;
    profil.setText(platform::upperCase(profil.text()));
    if (Existe_Profil()) {
        m_form.motDePasse().setFocus();
        return;
    }
    m_form.message().setText(QStringLiteral("Profil <") + profil.text() + QStringLiteral("> inconnu !!"));
    profil.setFocus();
}

// Failures here are not the dialog's to settle: they end the host with the run-time error report.
bool F_MDP::Existe_Profil()
{
    const QString profil = m_form.profil().text();
    if (profil.isEmpty())
        return true;
    if (!DB_MDP)
        throw platform::Failure(QStringLiteral("Aucune base ouverte pour le module %1")
                                    .arg(numeroModule(m_etat.Num_Module, m_etat.Tab_Module)),
                                91);
    return existeProfil(*DB_MDP, platform::upperCase(profil));
}

void F_MDP::CTX_MDP_PSWD_GotFocus()
{
    // No password without a profile, whether reached by Tab or by mouse.
    if (m_form.profil().text().isEmpty())
        m_form.profil().setFocus();
}

void F_MDP::CTX_MDP_PSWD_KeyUp(int &keyCode, int /*shift*/)
{
    if (keyCode != toucheEntree)
        return;
    keyCode = 0;
    ui::TextBox &profil = m_form.profil();
    ui::TextBox &motDePasse = m_form.motDePasse();
    if (videOuBlancs(profil.text())) {
        profil.setFocus();
        return;
    }
    // Also the release of the Enter that ended the profile, arriving in the empty password box.
    if (videOuBlancs(motDePasse.text())) {
        motDePasse.setFocus();
        return;
    }
    motDePasse.setText(platform::upperCase(motDePasse.text()));
    const qint32 code = Code_MDP(motDePasse.text());
    if (code == -1) {
        ui::dialogs().message(
            m_traduction.TRAD(QStringLiteral("4 lettres majuscules pour le mot de passe !")));
        motDePasse.setText({});
        profil.setFocus();
        return;
    }
    const QString profilSaisi = profil.text();
    ui::dialogs().setMousePointer(ui::MousePointer::Hourglass);
    if (!motDePasseJuste(profilSaisi, code)) {
        refuseEssai();
        return;
    }
    connecte(profilSaisi);
}

// A profile table that cannot be read answers as a wrong password: nobody gets in on a failure.
bool F_MDP::motDePasseJuste(const QString &profil, qint32 code)
{
    if (!DB_MDP)
        return false;
    try {
        return profilEtCodeConnus(*DB_MDP, Suffixe_Table, profil, code);
    } catch (const platform::Failure &) {
        return false;
    }
}

void F_MDP::refuseEssai()
{
    if (Nb_Essais > essaisAvantRefus) {
        ui::dialogs().message(m_traduction.TRAD(QStringLiteral("Accès refusé")));
        ui::dialogs().setMousePointer(ui::MousePointer::Default);
        m_form.unload();
        return;
    }
    ui::dialogs().message(m_traduction.TRAD(QStringLiteral("Identification incorrecte")));
    ++Nb_Essais;
    m_form.essai().setText(texteEssai(Nb_Essais));
    m_form.motDePasse().setText({});
    m_form.profil().setFocus();
    ui::dialogs().setMousePointer(ui::MousePointer::Default);
}

// Rights that cannot be read take nothing away: the profile keeps the form as designed.
void F_MDP::connecte(const QString &profil)
{
    m_etat.Profil_Courant = profil;
    std::vector<DroitMenu> droits;
    try {
        if (DB_MDP)
            droits = droitsRestreints(*DB_MDP, Suffixe_Table, profil);
    } catch (const platform::Failure &) {
    }
    const std::vector<ui::Form *> &formes = ui::loadedForms();
    const int position = positionFormeCible(m_etat.Num_Module, static_cast<int>(formes.size()));
    if (position >= 0)
        appliqueDroits(*formes[static_cast<std::size_t>(position)], droits);
    m_etat.MDP_OK = true;
    ui::dialogs().setMousePointer(ui::MousePointer::Default);
    m_form.unload();
}

} // namespace login
