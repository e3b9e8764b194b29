#include "launcher/menu/Menuprod.h"
#include "launcher/menu/UpdatePage.h"
#include "platform/CaseResolution.h"
#include "platform/Files.h"
#include "platform/ShellXdg.h"
#include "support/MenuDoubles.h"
#include "tests/support/fixtures/TempInstallation.h"
#include "ui/testing/ScriptedDialogs.h"

#include <gtest/gtest.h>

using namespace menu;
using menu::testing::CurrentDirectoryGuard;
using menu::testing::MenuDoubles;
using testing_support::TempInstallation;
using ui::Answer;

namespace
{

const QString updateQuestion =
    QStringLiteral("Accéder aux liens de téléchargement des mises à jour Torbprod v9.5 ?");

// The menu loaded in a sample installation's data folder, processes, windows and the opener replaced.
class ToolsMenu : public ::testing::Test
{
protected:
    ToolsMenu() : doubles(installation.programs())
    {
        platform::setCurrentDirectory(installation.data());
        menuprod = std::make_unique<Menuprod>(doubles.context);
        menuprod->form().load();
    }

    services::SharedState &state() { return doubles.state; }
    MenuForm &form() { return menuprod->form(); }
    void choose(const char *entry) { form().menuEntry(QString::fromUtf8(entry)).click(); }
    const std::vector<menu::testing::RecordingStarter::Start> &starts() { return doubles.starter.starts(); }
    QString dataFolder() const { return installation.data() + QLatin1Char('/'); }

    CurrentDirectoryGuard directory;
    TempInstallation installation;
    ui::testing::ScriptedDialogs dialogs;
    MenuDoubles doubles;
    std::unique_ptr<Menuprod> menuprod;
};

TEST_F(ToolsMenu, EachProgramEntryStartsItsProgramWithTheDataFolder)
{
    const struct {
        const char *entry;
        const char *program;
    } cases[] = {{"M_TRAD", "PeluVar.exe"},  {"M_MODARIN", "Modarin.exe"},    {"M_DOT", "modvisk.exe"},
                 {"M_Excel", "Zelbrox.exe"}, {"M_COMPACT", "Pressolite.exe"}, {"M_VERSDLL", "Kivrand.exe"}};
    for (const auto &c : cases) {
        doubles.starter.answer(4000);
        choose(c.entry);
        ASSERT_FALSE(starts().empty());
        EXPECT_EQ(starts().back().program, state().Rep_Appli + QString::fromUtf8(c.program)) << c.entry;
        EXPECT_EQ(starts().back().arguments, QStringList{dataFolder()}) << "one argument, ending with '/'";
        EXPECT_EQ(starts().back().directory, installation.data());
    }
    EXPECT_EQ(starts().size(), std::size(cases));
    EXPECT_EQ(state().Tab_Taches, (std::array<qint64, 21>{})) << "tools are not tracked";
}

TEST_F(ToolsMenu, ProgramEntryAfterAModuleLaunchRunsInTheDataFolder)
{
    doubles.starter.answer(100);
    form().button(QStringLiteral("Cmd_Stoc")).click();
    ASSERT_EQ(platform::currentDirectory(), installation.data() + QStringLiteral("/torbstoc"));

    doubles.starter.answer(200);
    doubles.starter.answer(201);
    choose("M_TRAD");
    choose("M_TRAD");
    ASSERT_EQ(starts().size(), 3u) << "the same tool twice starts two copies";
    EXPECT_EQ(starts()[1].directory, installation.data());
    EXPECT_EQ(starts()[2].program, starts()[1].program);
    EXPECT_EQ(platform::currentDirectory(), installation.data());
}

TEST_F(ToolsMenu, ProgramNamesFindTheInstalledTools)
{
    for (const char *program : {"PeluVar.exe", "Modarin.exe", "modvisk.exe", "Pressolite.exe"}) {
        const QString resolved = platform::resolveProgram(state().Rep_Appli + QString::fromUtf8(program));
        EXPECT_EQ(resolved, installation.programs() + QLatin1Char('/') +
                                QString::fromUtf8(program).chopped(4).toLower());
    }
}

TEST_F(ToolsMenu, ProgramThatCannotStartIsReportedAndTheLauncherGoesOn)
{
    doubles.starter.refuse(state().Rep_Appli + QStringLiteral("Pressolite.exe"));
    dialogs.expectMessage(Answer::Ok);
    choose("M_COMPACT");
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_TRUE(dialogs.shown()[0].text.startsWith(QStringLiteral("Lancement impossible : ")));
    EXPECT_TRUE(form().isLoaded());
    EXPECT_EQ(platform::currentDirectory(), installation.data());
}

TEST_F(ToolsMenu, UpdatePageOpensTheAddressOnceConfirmed)
{
    const struct {
        const char *urlWeb;
        Answer answer;
        std::optional<QString> opened;
    } cases[] = {
        {"", Answer::Ok, builtInUpdateAddress()},
        {"pas une adresse", Answer::Ok, QStringLiteral("pas une adresse")},
        {"http://mises-a-jour.example/V95/", Answer::Cancel, std::nullopt},
    };
    for (const auto &c : cases) {
        doubles.shell.opened.clear();
        state().URL_Web = QString::fromUtf8(c.urlWeb);
        dialogs.expectMessage(c.answer, updateQuestion);
        choose("M_WEB");
        EXPECT_EQ(dialogs.shown().back().title, QStringLiteral("VOSKERAND"));
        EXPECT_EQ(dialogs.shown().back().buttons, ui::MessageButtons::OkCancel);
        if (!c.opened) {
            EXPECT_TRUE(doubles.shell.opened.empty()) << "Cancel opens nothing";
            continue;
        }
        ASSERT_EQ(doubles.shell.opened.size(), 1u);
        EXPECT_EQ(doubles.shell.opened[0].target, *c.opened);
        EXPECT_EQ(doubles.shell.opened[0].workingFolder, installation.programs());
    }
    EXPECT_TRUE(builtInUpdateAddress().endsWith(QStringLiteral("/updates/V95/")));
}

TEST_F(ToolsMenu, LinkLabelOpensTheSamePageAndLightsUnderTheMouse)
{
    ui::Label &link = form().label(QStringLiteral("CTL_WEB"));
    dialogs.expectMessage(Answer::Ok, updateQuestion);
    link.click();
    ASSERT_EQ(doubles.shell.opened.size(), 1u);
    EXPECT_EQ(doubles.shell.opened[0].target, state().URL_Web);

    link.onMouseMove({});
    EXPECT_EQ(link.foreColour(), 65535);
    form().onMouseMove({});
    EXPECT_EQ(link.foreColour(), 0);
}

TEST_F(ToolsMenu, OpenerFailureIsReported)
{
    doubles.shell.refuse = true;
    dialogs.expectMessage(Answer::Ok, updateQuestion);
    dialogs.expectMessage(Answer::Ok, QStringLiteral("Accés Internet : Programme xdg-open introuvable"));
    choose("M_WEB");
    EXPECT_TRUE(dialogs.expectationsMet());
}

TEST_F(ToolsMenu, AddressThatLooksLikeAnOptionIsRefusedAndNothingStarts)
{
    platform::XdgShell xdgShell(doubles.starter);
    const MenuContext context{doubles.state,     doubles.traduction, doubles.starter,
                              doubles.activator, doubles.windows,    doubles.keys,
                              xdgShell,          doubles.clock,      doubles.context.programFolder};
    state().URL_Web = QStringLiteral("--help");
    dialogs.expectMessage(Answer::Ok, updateQuestion);
    dialogs.expectMessage(Answer::Ok);
    openUpdatePage(context);
    ASSERT_EQ(dialogs.shown().size(), 2u);
    EXPECT_TRUE(dialogs.shown()[1].text.startsWith(QStringLiteral("Accés Internet : ")));
    EXPECT_TRUE(dialogs.shown()[1].text.contains(QStringLiteral("--help")));
    EXPECT_TRUE(starts().empty());
    EXPECT_EQ(platform::currentDirectory(), installation.data());
}

TEST_F(ToolsMenu, TestEntryOnlyTellsSo)
{
    dialogs.expectMessage(Answer::Ok, QStringLiteral("Cette fonction est en cours de test ..."));
    choose("M_INITORB");
    EXPECT_EQ(dialogs.shown().back().title, ui::programTitle());
    EXPECT_TRUE(starts().empty());
}

TEST_F(ToolsMenu, SettingsWindowsHaveOneInstanceLoadedAnewAfterClosing)
{
    const SettingsWindows &windows = menuprod->settingsWindows();
    choose("M_PERSO");
    ASSERT_NE(windows.personalisation(), nullptr);
    settings::FPERSO *perso = windows.personalisation();
    EXPECT_TRUE(perso->form().isShown());
    choose("M_PERSO");
    EXPECT_EQ(windows.personalisation(), perso);

    choose("M_DBPATH");
    ASSERT_NE(windows.dataPaths(), nullptr);
    EXPECT_TRUE(windows.dataPaths()->form().isShown());
    EXPECT_TRUE(perso->form().isShown()) << "both are modeless";

    ASSERT_TRUE(perso->form().unload());
    ASSERT_TRUE(windows.dataPaths()->form().unload());
    choose("M_PERSO");
    choose("M_DBPATH");
    EXPECT_TRUE(perso->form().isLoaded());
    EXPECT_TRUE(windows.dataPaths()->form().isShown());
    EXPECT_TRUE(form().isLoaded());
}

} // namespace
