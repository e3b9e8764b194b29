#pragma once

#include "ui/Form.h"
#include "ui/Label.h"
#include "ui/TextBox.h"
#include "ui/ThreeDButton.h"

namespace login
{

// F_MDP as designed, before its load: one caption-less row with the profile box, the password
// box, the message and attempt labels and the close button.
class LoginForm : public ui::Form
{
public:
    LoginForm();

    ui::TextBox &profil() const { return get<ui::TextBox>(QStringLiteral("CTX_MDP_PROFIL")); }
    ui::TextBox &motDePasse() const { return get<ui::TextBox>(QStringLiteral("CTX_MDP_PSWD")); }
    ui::Label &message() const { return get<ui::Label>(QStringLiteral("CTL_MSG")); }
    ui::Label &essai() const { return get<ui::Label>(QStringLiteral("Label3")); }
    ui::ThreeDButton &fermer() const { return get<ui::ThreeDButton>(QStringLiteral("Cmd_Abandon")); }
};

} // namespace login
