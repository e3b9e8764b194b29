#include "launcher/settings/PersoForm.h"

#include "ui/Label.h"

#include <QPlainTextEdit>

namespace settings
{

namespace
{

const ui::ControlFont closeFont{QStringLiteral("MS Sans Serif"), 9.75, true, false, 0};

void addButton(ui::Form &form, const QString &name, const ui::TwipsRect &place, const QString &caption,
               int tabIndex)
{
    form.add<ui::CommandButton>({name, place, caption, tabIndex});
}

void addTitle(ui::Form &form, const QString &name, int top, const QString &caption)
{
    form.add<ui::Label>({name, {0, top, 4995, 315}, caption});
}

} // namespace

PersoForm::PersoForm() : ui::Form(QStringLiteral("FPERSO"))
{
    setCaption(QStringLiteral("Paramètre de personalisation"));
    setBorderStyle(ui::BorderStyle::FixedSingle);
    setStartUpPosition(ui::StartUpPosition::CentreScreen);
    setClientSize(4980, 6585);

    addTitle(*this, QStringLiteral("Label2"), 0, QStringLiteral("Couleurs "));
    addButton(*this, QStringLiteral("CMD_Fond"), {120, 360, 4275, 315},
              QStringLiteral("Couleur de fond du menu"), 0);
    addButton(*this, QStringLiteral("CMD_FondBtn"), {120, 720, 2535, 315},
              QStringLiteral("Couleur de fond des boutons"), 1);
    // The sample only shows the colours: Tab passes it by.
    add<ui::ThreeDButton>({QStringLiteral("CMD_Bouton"), {2760, 720, 1635, 795}, QStringLiteral("Texte")})
        .setTabStop(false);
    addButton(*this, QStringLiteral("CMD_TexteBtn"), {120, 1080, 2535, 315},
              QStringLiteral("Couleur Texte des boutons"), 2);
    addButton(*this, QStringLiteral("CMD_Resultat"), {120, 1560, 2535, 315},
              QStringLiteral("Visualiser le menu"), 4);
    addButton(*this, QStringLiteral("CMD_DEFAUT"), {2760, 1560, 1635, 315},
              QStringLiteral("Couleurs par défaut"), 3);
    addButton(*this, QStringLiteral("CMD_Enreg"), {120, 1980, 4275, 315},
              QStringLiteral("Enregistrer ces paramètres"), 6);

    addTitle(*this, QStringLiteral("Label1"), 2580, QStringLiteral("Fichier TORBPROD.INI"));
    auto &ini = add<ui::TextBox>(
        ui::ControlDesign(QStringLiteral("CTX_FICINI"), {120, 2940, 4515, 1815}, {}, 5).severalLines());
    // The box has no scroll bars; the kit's multi-line box always shows one.
    static_cast<QPlainTextEdit *>(ini.widget())->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ini.setLocked(true);
    addButton(*this, QStringLiteral("CMD_MajIni"), {120, 4860, 2115, 255},
              QStringLiteral("Modifier TORBPROD.INI"), 8);
    addButton(*this, QStringLiteral("CMD_ModifIni"), {2340, 4860, 2235, 255},
              QStringLiteral("Appliquer les modifications "), 7);

    addTitle(*this, QStringLiteral("Label3"), 5280, QStringLiteral("Choix langue"));
    add<ui::OptionButton>(
        ui::ControlDesign(QStringLiteral("Opt_Langue"), {180, 5640, 1575, 195}, QStringLiteral("Langue 1"), 9)
            .element(0));
    add<ui::OptionButton>(ui::ControlDesign(QStringLiteral("Opt_Langue"), {1800, 5640, 1455, 195},
                                            QStringLiteral("Langue 2"), 10)
                              .element(1));
    addButton(*this, QStringLiteral("CMD_MajLangue"), {3300, 5640, 1335, 255}, QStringLiteral("Appliquer"),
              11);

    auto &fermer = add<ui::CommandButton>(
        {QStringLiteral("Cmd_Fermer"), {60, 6240, 4875, 315}, QStringLiteral("Fermer"), 12});
    fermer.setFont(closeFont);
}

void PersoForm::clearLanguageChoice()
{
    for (int index : {0, 1})
        language(index).setValue(false);
}

} // namespace settings
