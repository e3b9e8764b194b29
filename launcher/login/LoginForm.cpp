#include "launcher/login/LoginForm.h"

namespace login
{

namespace
{

constexpr ui::ColourNumber rouge = 255;
constexpr ui::ColourNumber blanc = 16777215;
const ui::ControlFont policeLibelle{QStringLiteral("Arial"), 9.75, true, false, 0};
const ui::ControlFont policeSaisie{QStringLiteral("Arial"), 9, false, false, 0};

ui::Label &addLabel(ui::Form &form, const ui::ControlDesign &design)
{
    auto &label = form.add<ui::Label>(design);
    label.setTransparent(true);
    label.setFont(policeLibelle);
    return label;
}

ui::TextBox &addBox(ui::Form &form, const ui::ControlDesign &design, int maxLength)
{
    auto &box = form.add<ui::TextBox>(design);
    box.setMaxLength(maxLength);
    box.setFont(policeSaisie);
    return box;
}

} // namespace

LoginForm::LoginForm() : ui::Form(QStringLiteral("F_MDP"))
{
    setBorderStyle(ui::BorderStyle::None);
    setStartUpPosition(ui::StartUpPosition::CentreScreen);
    setBackColour(12632064);
    setClientSize(12000, 390);

    addLabel(*this, {QStringLiteral("Label1"), {210, 60, 1695, 435}, QStringLiteral("Profil utilisateur")});
    auto &profil = addBox(*this, {QStringLiteral("CTX_MDP_PROFIL"), {1980, 30, 1695, 330}, {}, 0}, 8);
    profil.setForeColour(rouge);
    profil.setBackColour(blanc);
    addLabel(*this, {QStringLiteral("Label2"), {4350, 60, 1365, 375}, QStringLiteral("Mot de passe")});
    addBox(*this, {QStringLiteral("CTX_MDP_PSWD"), {5700, 30, 1425, 330}, {}, 1}, 4).setPasswordChar(u'*');
    addLabel(*this, {QStringLiteral("CTL_MSG"), {7320, 60, 3495, 255}}).setForeColour(rouge);
    addLabel(*this, {QStringLiteral("Label3"), {7320, 120, 2235, 195}});
    add<ui::ThreeDButton>({QStringLiteral("Cmd_Abandon"),
                           {10950, 0, 1035, 390},
                           QStringLiteral("&Fermer"),
                           2,
                           QStringLiteral("Fermer la fenêtre")});
}

} // namespace login
