#include "launcher/menu/MenuStartUp.h"

#include "launcher/menu/Docking.h"
#include "launcher/menu/LanguageLine.h"
#include "launcher/menu/ProgramPresence.h"
#include "launcher/menu/StartFolders.h"
#include "launcher/menu/VersionText.h"
#include "launcher/services/IniLines.h"
#include "launcher/services/ParamsMenu.h"
#include "launcher/services/UrlVoskerand.h"
#include "platform/Failure.h"
#include "platform/Files.h"
#include "storage/Database.h"

#include <variant>

namespace menu
{

namespace
{

const auto host = platform::PathSyntax::host();

void dock(ui::Form &form)
{
    const ui::TwipsRect place = dockedAtStart(ui::screenWidth(), ui::screenHeight(),
                                              {form.left(), form.top(), form.width(), form.height()});
    form.setTop(place.top);
    form.setLeft(place.left);
    form.setHeight(place.height);
}

// The link label stands 200 twips above the status bar.
void placeLinkLabel(MenuForm &form)
{
    ui::Label &web = form.label(QStringLiteral("CTL_WEB"));
    web.setTop(form.statusBar().top() - web.height() - 200);
}

// The optional tools whose entry stays only when their program is installed.
void hideMissingTools(MenuForm &form, const QString &programFolder)
{
    const struct {
        const char *entry;
        const char *program;
    } tools[] = {{"M_DOT", "MODVISK.EXE"}, {"M_Excel", "ZELBROX.EXE"}, {"M_VERSDLL", "KIVRAND.EXE"}};
    for (const auto &tool : tools) {
        if (!programPresent(programFolder + QString::fromUtf8(tool.program)))
            form.menuEntry(QString::fromUtf8(tool.entry)).setVisible(false);
    }
}

QString translationFolder(storage::Database &folderTable)
{
    storage::TableCursor tpath = folderTable.openTable(QStringLiteral("TPATH"), storage::Access::ReadOnly);
    if (tpath.atEnd())
        throw platform::Failure(QStringLiteral("Aucun enregistrement en cours."), 3021);
    const QVariant path = tpath.value(QStringLiteral("TPATH_PATH"));
    if (path.isNull())
        throw platform::Failure(QStringLiteral("Utilisation incorrecte de Null"), 94);
    return path.toString();
}

void styleButtons(MenuForm &form)
{
    for (ui::ThreeDButton *button : form.threeDButtons()) {
        button->setForeColour(0);
        button->setThreeDTextHighlightColor(ui::ThreeDButton::DefaultHighlight);
        button->setThreeDTextOffset(2);
    }
}

// A colour goes to the window as it is held: a number, or the text read from menuconfig.ini, which
// the window refuses when it is no number.
template <class Setter> void applyColour(const services::Couleur &colour, Setter set)
{
    if (const auto *text = std::get_if<QString>(&colour))
        set(*text);
    else if (const auto *number = std::get_if<qint32>(&colour))
        set(ui::ColourNumber(*number));
    else
        throw platform::Failure(QStringLiteral("Incompatibilité de type"), 13);
}

void paint(MenuForm &form, const services::SharedState &state)
{
    applyColour(state.Coul_FondMenu, [&form](const auto &colour) { form.setBackColour(colour); });
    for (ui::ThreeDButton *button : form.threeDButtons()) {
        applyColour(state.Coul_FondBtn, [button](const auto &colour) { button->setBackColour(colour); });
        applyColour(state.Coul_TexteBtn, [button](const auto &colour) { button->setForeColour(colour); });
        button->setThreeDTextHighlightColor(ui::ThreeDButton::DefaultHighlight);
        button->setThreeDTextOffset(2);
    }
}

} // namespace

void dockWithFrame(MenuForm &form)
{
    dock(form);
    placeLinkLabel(form);
}

qint16 languageOfDataFolder(const QString &dataFolder)
{
    const QString ini = dataFolder + QStringLiteral("torbprod.ini");
    if (platform::fileMatches(ini).isEmpty())
        return 0;
    return languageFromIniLines(services::readTextLines(ini));
}

void Form_Load(MenuForm &form, const MenuContext &context)
{
    services::SharedState &state = context.state;
    dock(form);
    state.Rep_Appli = launcherFolder(context.programFolder, host);
    state.Rep_Donnees = platform::currentDirectory();
    if (const auto caption = captionForFolder(state.Rep_Donnees, host))
        form.setCaption(*caption);
    state.Rep_Donnees = launcherFolder(state.Rep_Donnees, host);
    state.DB_Path = storage::Database::open(state.Rep_Donnees + QStringLiteral("DBPATH.MDB"));
    hideMissingTools(form, state.Rep_Appli);
    state.Chemin_BaseTrad = translationFolder(*state.DB_Path);
    state.Nom_BaseTrad = QStringLiteral("BDTRAD.MDB");
    state.Num_Langue = 0;
    state.Num_Langue = languageOfDataFolder(state.Rep_Donnees);

    context.traduction.Init_Traduction();
    context.traduction.TRAD_Form(form);

    ui::Label &version = form.label(QStringLiteral("CTL_Version"));
    version.setText(programVersionText());
    form.statusBar().setPanelText(1, version.text());
    placeLinkLabel(form);

    styleButtons(form);
    const ui::ThreeDButton &prices = form.button(QStringLiteral("CMD_Prix"));
    state.Coul_FondMenu_Def = qint32(form.backColour());
    state.Coul_FondBtn_Def = qint32(prices.backColour());
    state.Coul_TexteBtn_Def = qint32(prices.foreColour());
    services::Init_Params_Menu(state);
    services::Init_URL_VOSKERAND(state);
    paint(form, state);
}

} // namespace menu
