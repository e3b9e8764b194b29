#include "template-manager/FModarin.h"

#include "platform/PathRules.h"
#include "platform/TextCase.h"
#include "template-manager/TemplateList.h"
#include "ui/Dialogs.h"
#include "ui/Program.h"

#include <functional>

namespace modarin
{

namespace
{

const QString kSignetsDatabase = QStringLiteral("SIGNETS.MDB");
const QString kSignetsQuery = QStringLiteral("select * from T_SIGNETS order by SIGNETS_appli,SIGNETS_Nomdot");
const QString kSignetsAppliQuery =
    QStringLiteral("select SIGNETS_APPLI, SIGNETS_Nomdot ") + QStringLiteral("from T_SIGNETS ") +
    QStringLiteral("group by SIGNETS_appli, SIGNETS_Nomdot order by SIGNETS_appli");
const QStringList kModules{QStringLiteral("Tous"), QStringLiteral("TORBCOM"), QStringLiteral("TORBAPRO"),
                           QStringLiteral("TORBVEH"), QStringLiteral("TORBPRIX")};
constexpr ui::ColourNumber kNavy = ui::rgb(0, 0, 128);
constexpr double kLargeFont = 9.75;

void emphasise(ui::Control &control, double size)
{
    control.setFontSize(size);
    control.setFontBold(true);
}

ui::Label &addHeading(ui::Form &form, const ui::ControlDesign &design)
{
    auto &heading = form.add<ui::Label>(design);
    heading.setForeColour(kNavy);
    heading.setBackColour(ui::WindowBackground);
    emphasise(heading, kLargeFont);
    return heading;
}

// The quit button goes on whatever Word or the database refuse.
void ignoringFailure(const std::function<void()> &step)
{
    try {
        step();
    } catch (const platform::Failure &) {
    }
}

} // namespace

FModarin::FModarin(const QString &programFolder, platform::Office &office)
    : ui::Form(QStringLiteral("FModarin")), m_programFolder(programFolder), m_office(office)
{
    design();
    onLoad = [this] { Form_Load(); };
    onActivate = [this] { Form_Activate(); };
    moduleChoice().onClick = [this] { Remplir_ListeDot(static_cast<qint16>(moduleChoice().listIndex())); };
    templateList().onClick = [this] { DBL_ListeDot_Click(); };
    templateList().onDblClick = [this] { CMD_OuvreDot_Click(); };
    openButton().onClick = [this] { CMD_OuvreDot_Click(); };
    quitButton().onClick = [this] { CMD_Quitter_Click(); };
}

void FModarin::design()
{
    setCaption(QStringLiteral("TORBPROD: Gestion des modèles Word"));
    setBackColour(ui::rgb(255, 255, 128));
    setFont({.name = QStringLiteral("Arial"), .size = 8.25});
    setClientSize(6330, 6660);
    setBorderStyle(ui::BorderStyle::FixedSingle);
    setStartUpPosition(ui::StartUpPosition::CentreScreen);

    addLabels();
    auto &modules = add<ui::ComboBox>({QStringLiteral("DBC_Appli"), {3960, 600, 2055, 360}, {}, 7});
    for (const QString &module : kModules)
        modules.addItem(module);
    emphasise(modules, kLargeFont);
    emphasise(add<ui::ListBox>({QStringLiteral("DBL_ListeDot"), {420, 1080, 5715, 3900}, {}, 3}), kLargeFont);
    auto &name = add<ui::TextBox>({QStringLiteral("CTX_Nomdot"), {900, 5100, 5235, 375}, {}, 0});
    name.setLocked(true);
    name.setBackColour(ui::rgb(238, 238, 238));
    emphasise(name, kLargeFont);
    auto &infos = add<ui::Label>({QStringLiteral("CTL_InfosDot"), {900, 5520, 5235, 315}, {}, 6});
    infos.setForeColour(ui::rgb(255, 0, 0));
    emphasise(infos, 8.25);
    emphasise(add<ui::CommandButton>({QStringLiteral("CMD_OuvreDot"),
                                      {900, 6120, 3315, 435},
                                      QStringLiteral("Ouvrir le modèle Word"),
                                      4}),
              8.25);
    add<ui::CommandButton>(
        {QStringLiteral("CMD_Quitter"), {4620, 6120, 1455, 435}, QStringLiteral("Quitter"), 9});
}

void FModarin::addLabels()
{
    addHeading(
        *this,
        {QStringLiteral("Label1"), {60, 180, 2985, 375}, QStringLiteral("Dossier des modèles Word >>"), 1});
    auto &path = add<ui::Label>({QStringLiteral("CTL_PathDot"), {3120, 120, 2895, 375}, {}, 2});
    path.setBackColour(ui::rgb(229, 229, 229));
    emphasise(path, kLargeFont);
    addHeading(
        *this,
        {QStringLiteral("Label2"), {240, 600, 3405, 375}, QStringLiteral("Choix du module TORBPROD >>"), 8});
    emphasise(add<ui::Label>({QStringLiteral("Label3"), {180, 5160, 795, 315}, QStringLiteral("Modèle:"), 5}),
              8.25);
    emphasise(add<ui::Label>({QStringLiteral("Label4"), {180, 5580, 795, 315}, QStringLiteral("Infos:"), 10}),
              8.25);
}

void FModarin::setCheminDot(const QString &folder)
{
    CheminDot = folder;
    pathLabel().setText(folder);
}

void FModarin::Form_Load()
{
    try {
        DB_Signets = storage::Database::open(
            platform::joinPath(m_programFolder, kSignetsDatabase, platform::PathSyntax::posix()));
        RS_Signets = DB_Signets->openQuery(kSignetsQuery);
        RS_SignetsAppli = DB_Signets->openQuery(kSignetsAppliQuery);
    } catch (const platform::Failure &failure) {
        // The window works without its bookmarks: nothing reads them.
        ui::dialogs().message(QStringLiteral("Form load : ") + failure.description());
    }
}

void FModarin::Form_Activate()
{
    Init_Tab_Modeles(TabModeles);
    moduleChoice().setListIndex(0);
    Remplir_ListeDot(0);
}

void FModarin::Remplir_ListeDot(qint16 index)
{
    const QString module = platform::upperCase(moduleChoice().text());
    ui::ListBox &list = templateList();
    list.clear();
    const QStringList names =
        listedTemplates(CheminDot, TabModeles, index == 0 ? std::nullopt : std::optional<QString>(module));
    for (const QString &name : names)
        list.addItem(name);
}

void FModarin::DBL_ListeDot_Click()
{
    const QString name = templateList().text();
    nameBox().setText(name);
    Afficher_InfosDot(name);
}

void FModarin::Afficher_InfosDot(QString name)
{
    infoLabel().setText(templateDescription(name));
}

void FModarin::CMD_OuvreDot_Click()
{
    if (nameBox().text().isEmpty()) {
        templateList().setFocus();
        return;
    }
    // The instance of an earlier opening is released, not quit: its window stays with the user.
    AppWord = m_office.createApplication();
    const QString path = pathLabel().text() + nameBox().text();
    AppWord->openDocument(path);
    AppWord->setVisible(true);
    AppWord->activate();
}

void FModarin::CMD_Quitter_Click()
{
    if (AppWord) {
        ignoringFailure([this] { AppWord->closeDocuments(); });
        ignoringFailure([this] { AppWord->quit(); });
    }
    AppWord.reset();
    RS_Signets.reset();
    DB_Signets.reset();
    ui::endProgram();
}

} // namespace modarin
