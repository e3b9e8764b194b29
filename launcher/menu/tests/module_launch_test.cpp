#include "launcher/menu/Menuprod.h"
#include "launcher/menu/ModuleLauncher.h"
#include "platform/Files.h"
#include "support/MenuDoubles.h"
#include "tests/support/fixtures/TempInstallation.h"
#include "ui/testing/ScriptedDialogs.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace menu;
using menu::testing::CurrentDirectoryGuard;
using menu::testing::MenuDoubles;
using testing_support::TempInstallation;

namespace
{

tools::SampleOptions withoutPrograms()
{
    tools::SampleOptions options;
    options.withPrograms = false;
    return options;
}

// The module launchers with the folders of a sample installation, processes and windows replaced.
class ModuleLaunch : public ::testing::Test
{
protected:
    ModuleLaunch() : installation(withoutPrograms()), doubles(installation.programs())
    {
        state().Rep_Donnees = installation.data() + QLatin1Char('/');
        state().Rep_Appli = installation.programs() + QLatin1Char('/');
        platform::setCurrentDirectory(installation.data());
    }

    services::SharedState &state() { return doubles.state; }
    const ModuleRow &row(const char *button) { return menu::testing::moduleRow(button); }
    void click(const char *button) { launchModule(doubles.context, row(button)); }

    CurrentDirectoryGuard directory;
    TempInstallation installation;
    ui::testing::ScriptedDialogs dialogs;
    MenuDoubles doubles;
};

TEST_F(ModuleLaunch, FirstClickStartsTheProgramInItsFolderAndRecordsIt)
{
    doubles.starter.answer(4321);
    click("Cmd_Apro");
    ASSERT_EQ(doubles.starter.starts().size(), 1u);
    const auto &start = doubles.starter.starts().front();
    EXPECT_EQ(start.program, installation.programs() + QStringLiteral("/torbapro/torbapro.exe"));
    EXPECT_TRUE(start.arguments.isEmpty());
    EXPECT_EQ(start.directory, installation.data() + QStringLiteral("/torbapro"));
    EXPECT_EQ(platform::currentDirectory(), installation.data() + QStringLiteral("/torbapro"));
    EXPECT_EQ(state().Tab_Taches[5], 4321);
    // The slot's old id 0 was asked first, then the new program.
    EXPECT_EQ(doubles.activator.asked, (std::vector<qint64>{0, 4321}));
}

TEST_F(ModuleLaunch, RunningModuleComesForwardAndNothingStarts)
{
    state().Tab_Taches[1] = 777;
    doubles.activator.withWindow = {777};
    click("Cmd_Stoc");
    EXPECT_TRUE(doubles.starter.starts().empty());
    EXPECT_EQ(state().Tab_Taches[1], 777);
    EXPECT_EQ(platform::currentDirectory(), installation.data()) << "the directory stays";
}

TEST_F(ModuleLaunch, EndedModuleIsStartedAgain)
{
    state().Tab_Taches[10] = 777; // ended: no window answers
    doubles.starter.answer(888);
    click("CMD_Veh");
    EXPECT_EQ(doubles.starter.starts().size(), 1u);
    EXPECT_EQ(state().Tab_Taches[10], 888);
}

TEST_F(ModuleLaunch, OneTaskIdIsNeverInTwoSlots)
{
    doubles.starter.answer(500);
    doubles.starter.answer(500);
    click("Cmd_Plan");
    click("Cmd_Tmps");
    EXPECT_EQ(state().Tab_Taches[3], 0);
    EXPECT_EQ(state().Tab_Taches[6], 500);
}

TEST_F(ModuleLaunch, MissingModuleFolderLeavesTheDirectory)
{
    ASSERT_TRUE(QDir(installation.data() + QStringLiteral("/Lupardo")).removeRecursively());
    platform::setCurrentDirectory(installation.data() + QStringLiteral("/torbcom"));
    dialogs.expectMessage(ui::Answer::Ok, QStringLiteral("Programme ") + installation.programs() +
                                              QStringLiteral("/Lupardo/Lupardo.exe introuvable"));
    click("Cmd_Nomenc");
    EXPECT_TRUE(doubles.starter.starts().empty());
    EXPECT_EQ(state().Tab_Taches[12], 0);
    EXPECT_EQ(platform::currentDirectory(), installation.data() + QStringLiteral("/torbcom"));
}

TEST_F(ModuleLaunch, MissingProgramLeavesTheDirectoryInTheModuleFolder)
{
    doubles.starter.refuse(installation.programs() + QStringLiteral("/sarvelt/sarvelt.exe"));
    dialogs.expectMessage(ui::Answer::Ok, QStringLiteral("Programme ") + installation.programs() +
                                              QStringLiteral("/sarvelt/sarvelt.exe introuvable"));
    click("Cmd_Sarvelt");
    EXPECT_EQ(state().Tab_Taches[11], 0);
    EXPECT_EQ(platform::currentDirectory(), installation.data() + QStringLiteral("/sarvelt"));
}

TEST_F(ModuleLaunch, ButtonsCallTheirLaunchers)
{
    Menuprod menuprod(doubles.context);
    for (const ModuleRow &module : moduleTable()) {
        doubles.starter.answer(1000 + module.slot);
        menuprod.form().button(module.button).click();
        EXPECT_EQ(state().Tab_Taches[module.slot], 1000 + module.slot) << module.button.toStdString();
        EXPECT_EQ(doubles.starter.starts().back().program, state().Rep_Appli + module.program);
    }
    for (int unused : {0, 7, 8, 9, 13, 14, 15, 16, 17, 18, 19, 20})
        EXPECT_EQ(state().Tab_Taches[unused], 0) << unused;
}

} // namespace
