#include "launcher/settings/DataPathForm.h"

#include "ui/Frame.h"
#include "ui/Label.h"
#include "ui/PictureBox.h"

namespace settings
{

namespace
{

constexpr ui::ColourNumber navy = ui::rgb(0, 0, 128);
constexpr ui::ColourNumber red = ui::rgb(255, 0, 0);
constexpr ui::ColourNumber yellow = ui::rgb(255, 255, 0);
constexpr ui::ColourNumber white = ui::rgb(255, 255, 255);
constexpr ui::ColourNumber fieldBlue = ui::rgb(13, 107, 236);
constexpr ui::ColourNumber barBlue = ui::rgb(125, 173, 253);

const QString dataFont = QStringLiteral("Arial");

ui::Label &addLabel(ui::Form &form, const ui::ControlDesign &design)
{
    auto &label = form.add<ui::Label>(design);
    label.setTransparent(true);
    return label;
}

ui::TextBox &addLockedBox(ui::Form &form, const ui::ControlDesign &design, ui::ColourNumber text)
{
    auto &box = form.add<ui::TextBox>(design);
    box.setLocked(true);
    box.setForeColour(text);
    box.setBackColour(fieldBlue);
    return box;
}

ui::TextBox &addCharacterBox(ui::Form &form, const ui::ControlDesign &design)
{
    auto &box = form.add<ui::TextBox>(design);
    box.setMaxLength(1);
    return box;
}

} // namespace

DataPathForm::DataPathForm() : ui::Form(QStringLiteral("FPARSYS"))
{
    setCaption(QStringLiteral("VOSKERAND PRODUCTION: Gestion des chemins d'accès aux données"));
    setBorderStyle(ui::BorderStyle::FixedSingle);
    setStartUpPosition(ui::StartUpPosition::CentreScreen);
    setBackColour(ui::rgb(229, 229, 229));
    setKeyPreview(true);
    ui::ControlFont font = this->font();
    font.name = dataFont;
    setFont(font);
    setClientSize(11655, 7440);

    auto &title =
        addLabel(*this, {QStringLiteral("Label1"), {120, 150, 6975, 345}, QStringLiteral("APPLICATIONS")});
    title.setAlignment(ui::Alignment::Centre);
    title.setForeColour(navy);

    auto &grid = add<ui::Grid>({QStringLiteral("DBG_APPLI"), {90, 540, 7485, 4095}});
    // The window writes the rows through its boxes and the apply to all, never through the cells.
    grid.setColumns({
        {.field = QStringLiteral("TPATH_NUM"), .header = QStringLiteral("N°"), .width = 4.37, .locked = true},
        {.field = QStringLiteral("TPATH_PROD"),
         .header = QStringLiteral("Produit"),
         .width = 11,
         .locked = true},
        {.field = QStringLiteral("TPATH_PATH"),
         .header = QStringLiteral("Chemin d'accès"),
         .width = 23.62,
         .locked = true},
        {.field = QStringLiteral("TPATH_NOMMDB"),
         .header = QStringLiteral("Nom base"),
         .width = 17.62,
         .locked = true},
    });

    auto &frame = add<ui::Frame>({QStringLiteral("FRM_PATH"), {7620, 0, 4065, 6735}});
    const auto inFrame = [&frame](const QString &name, const ui::TwipsRect &place, const QString &text = {}) {
        return ui::ControlDesign(name, place, text).inside(frame);
    };
    const QString label = QStringLiteral("LBL_DEV_PATH");
    addLabel(*this, inFrame(label, {120, 270, 1455, 315}, QStringLiteral("Accès à")).element(0));
    addLockedBox(*this, inFrame(QStringLiteral("CTX_PROD"), {1770, 180, 2055, 375}), yellow);
    addLabel(*this, inFrame(label, {90, 660, 1575, 315}, QStringLiteral("Rechercher")).element(7));
    addLockedBox(*this, inFrame(QStringLiteral("CTX_NOMMDB"), {1770, 600, 2055, 375}), yellow);
    addLabel(
        *this,
        inFrame(label, {90, 1140, 3615, 315}, QStringLiteral("cliquer pour le sélectionner")).element(6));
    add<ui::FolderList>(inFrame(QStringLiteral("Dir_APPLI"), {90, 1380, 3705, 2250}));
    add<ui::DriveList>(inFrame(QStringLiteral("DEV_APPLI"), {90, 3780, 3705, 330}));
    add<ui::FileList>(inFrame(QStringLiteral("LSF_APPLI"), {90, 4200, 2055, 900}))
        .setPattern(QStringLiteral("*.mdb"));
    addLabel(*this, inFrame(label, {2310, 4260, 1575, 315}, QStringLiteral("Environnement")).element(1));
    addCharacterBox(*this, inFrame(QStringLiteral("CTX_Status"), {2850, 4500, 435, 375}));
    addLabel(*this, inFrame(label, {2310, 5040, 1815, 315}, QStringLiteral("Type de réseau")).element(2));
    addCharacterBox(*this, inFrame(QStringLiteral("CTX_RESEAU"), {2910, 5280, 435, 375}));
    addLabel(*this, inFrame(label, {0, 0, 855, 315}).element(3));
    addLockedBox(*this, inFrame(QStringLiteral("FPATH_PATH"), {90, 5760, 3855, 375}), white);
    auto &clearBar =
        add<ui::PictureBox>(inFrame(QStringLiteral("Frm_boutons_Fermer"), {2640, 6120, 1305, 435}));
    clearBar.setBackColour(barBlue);
    add<ui::ThreeDButton>(ui::ControlDesign(QStringLiteral("Cmd_efface"), {240, 0, 1035, 360},
                                            QStringLiteral("&Effacer"), -1,
                                            QStringLiteral("Efface le chemin"))
                              .inside(clearBar));

    addLabel(*this,
             {QStringLiteral("Label3"), {120, 4920, 1875, 315}, QStringLiteral("Chemin serveur (défaut) :")});
    add<ui::TextBox>({QStringLiteral("CTX_PathServeur"), {1980, 4860, 4215, 315}});
    add<ui::CommandButton>(
        {QStringLiteral("CMD_MajPath"), {6240, 4860, 1335, 255}, QStringLiteral("Appliquer à tous")});
    add<ui::DataCombo>({QStringLiteral("DBC_PathServeur"), {2460, 5160, 3735, 315}});
    auto &warning = addLabel(
        *this,
        {QStringLiteral("Label2"),
         {90, 5460, 7455, 675},
         QStringLiteral("ATTENTION : La modification des données ci-dessus par un utilisateur non averti "
                        "peut empêcher le fonctionnement de votre poste")});
    warning.setForeColour(red);
    warning.setAlignment(ui::Alignment::Centre);

    auto &bar = add<ui::PictureBox>({QStringLiteral("Frm_Boutons_Barre"), {-60, 6720, 11715, 775}});
    bar.setBackColour(barBlue);
    add<ui::ThreeDButton>(ui::ControlDesign(QStringLiteral("CmdUpdate"), {5580, 30, 630, 735},
                                            QStringLiteral("&Enreg."), -1,
                                            QStringLiteral("Enregistrer la saisie (F10)"))
                              .inside(bar));
    auto &quitBar = add<ui::PictureBox>(
        ui::ControlDesign(QStringLiteral("Pic_boutons_Quitter"), {10920, 0, 795, 765}).inside(bar));
    quitBar.setBackColour(barBlue);
    add<ui::ThreeDButton>(
        ui::ControlDesign(QStringLiteral("CmdClose"), {150, 90, 600, 585}, QStringLiteral("&Quit"))
            .inside(quitBar));
}

} // namespace settings
