#pragma once

#include "launcher/login/LoginForm.h"
#include "launcher/services/SharedState.h"
#include "launcher/services/Traduction.h"
#include "storage/Database.h"

#include <optional>

namespace login
{

// The suite's login dialog, for host programs. The host sets Num_Module (and Tab_Module for 9)
// and its DB_Module entry, shows form() once the form the rights are for is loaded, and after the
// dialog has unloaded itself reads MDP_OK and Profil_Courant. Three attempts at the password; on
// success the profile's rights hide menu entries with their buttons, or tag them "*RO*", on the
// form loaded just before the dialog (the first loaded form for module 9).
class F_MDP
{
public:
    F_MDP(services::SharedState &etat, services::Traduction &traduction);

    LoginForm &form() { return m_form; }

private:
    void Form_Load();
    void CTX_MDP_PROFIL_KeyPress(int &keyAscii);
    void CTX_MDP_PSWD_GotFocus();
    void CTX_MDP_PSWD_KeyUp(int &keyCode, int shift);
    bool Existe_Profil();
    bool motDePasseJuste(const QString &profil, qint32 code);
    void refuseEssai();
    void connecte(const QString &profil);

    services::SharedState &m_etat;
    services::Traduction &m_traduction;
    LoginForm m_form;
    std::optional<storage::Database> DB_MDP;
    QString Suffixe_Table;
    qint16 Nb_Essais = 1;
};

} // namespace login
