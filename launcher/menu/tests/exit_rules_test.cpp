#include "launcher/menu/ExitRules.h"
#include "launcher/menu/Menuprod.h"
#include "platform/Files.h"
#include "support/MenuDoubles.h"
#include "tests/support/fixtures/TempFolder.h"
#include "ui/testing/ScriptedDialogs.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace menu;
using menu::testing::CurrentDirectoryGuard;
using menu::testing::MenuDoubles;

namespace
{

const QDate thursday(2024, 6, 13);
const QDate friday(2024, 6, 14);
const QString refusal = QStringLiteral("Fermez d'abord tous les modules de TORBPROD");
const QString confirmation = QStringLiteral("Confirmez la sortie de TORBPROD");

// The exit rules with a data folder and a program folder of their own.
class LauncherExit : public ::testing::Test
{
protected:
    LauncherExit() : doubles(programs())
    {
        QDir().mkpath(data());
        QDir().mkpath(programs());
        QDir().mkpath(data() + QStringLiteral("/torbstoc"));
        state().Rep_Donnees = data() + QLatin1Char('/');
        state().Rep_Appli = programs() + QLatin1Char('/');
        platform::setCurrentDirectory(data() + QStringLiteral("/torbstoc"));
    }

    QString data() const { return root.file(QStringLiteral("SOC1")); }
    QString programs() const { return root.file(QStringLiteral("programmes")); }
    services::SharedState &state() { return doubles.state; }
    void installAutoCompact()
    {
        QFile file(programs() + QStringLiteral("/AUTOPressolite.exe"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    bool unload()
    {
        bool cancel = false;
        Form_Unload(doubles.context, cancel);
        return cancel;
    }

    CurrentDirectoryGuard directory;
    testing_support::TempFolder root;
    ui::testing::ScriptedDialogs dialogs;
    MenuDoubles doubles;
};

TEST_F(LauncherExit, RefusedWhileAModuleRunsAndTheLaterSlotsAreLeft)
{
    state().Tab_Taches[1] = 11; // ended since
    state().Tab_Taches[10] = 100;
    state().Tab_Taches[12] = 120;
    doubles.activator.withWindow = {100, 120};
    dialogs.expectMessage(ui::Answer::Ok, refusal);
    EXPECT_TRUE(unload());
    EXPECT_EQ(state().Tab_Taches[1], 0);
    EXPECT_EQ(state().Tab_Taches[10], 100);
    EXPECT_EQ(state().Tab_Taches[12], 120);
    EXPECT_EQ(doubles.activator.asked.back(), 100) << "slot 12 was not asked";
    EXPECT_EQ(dialogs.shown().back().buttons, ui::MessageButtons::Ok);
}

TEST_F(LauncherExit, NoConfirmationKeepsTheLauncher)
{
    dialogs.expectMessage(ui::Answer::No, confirmation);
    EXPECT_TRUE(unload());
    EXPECT_EQ(doubles.activator.asked.size(), 20u);
    EXPECT_EQ(dialogs.shown().back().buttons, ui::MessageButtons::YesNo);
    EXPECT_EQ(platform::currentDirectory(), data() + QStringLiteral("/torbstoc"));
}

TEST_F(LauncherExit, ConfirmedExitStartsTheCompactionOnlyOnAFridayWhenInstalled)
{
    const struct {
        QDate day;
        bool installed;
        bool started;
    } cases[] = {{friday, false, false}, {thursday, true, false}, {friday, true, true}};
    for (const auto &c : cases) {
        if (c.installed)
            installAutoCompact();
        doubles.clock.day = c.day;
        if (c.started)
            doubles.starter.answer(999);
        platform::setCurrentDirectory(data() + QStringLiteral("/torbstoc"));
        dialogs.expectMessage(ui::Answer::Yes, confirmation);
        EXPECT_FALSE(unload());
        EXPECT_EQ(platform::currentDirectory(), data()) << "every confirmed exit";
        ASSERT_EQ(doubles.starter.starts().size(), c.started ? 1u : 0u) << c.day.toString().toStdString();
    }
    const auto &start = doubles.starter.starts().front();
    EXPECT_EQ(start.program, programs() + QStringLiteral("/AUTOPressolite.exe"));
    EXPECT_TRUE(start.arguments.isEmpty());
    EXPECT_EQ(start.directory, data());
}

TEST_F(LauncherExit, VanishedDataFolderIsReportedAndTheExitGoesOn)
{
    ASSERT_TRUE(QDir(data()).removeRecursively());
    dialogs.expectMessage(ui::Answer::Yes, confirmation);
    dialogs.expectMessage(ui::Answer::Ok);
    EXPECT_FALSE(unload());
    EXPECT_TRUE(dialogs.shown().back().text.startsWith(QStringLiteral("Auto-Compact: ")));
    EXPECT_GT(dialogs.shown().back().text.size(), QStringLiteral("Auto-Compact: ").size());
}

TEST_F(LauncherExit, F11DocksTheWindowAgainAndOtherKeysPass)
{
    Menuprod menuprod(doubles.context);
    MenuForm &form = menuprod.form();
    form.setHeight(5000);
    form.setLeft(300);
    form.setTop(700);
    const int height = form.height();
    int key = 65;
    form.onKeyDown(key, 0);
    EXPECT_EQ(key, 65);
    EXPECT_EQ(form.left(), 300);
    key = 122;
    form.onKeyDown(key, 0);
    EXPECT_EQ(key, 0);
    EXPECT_EQ(form.top(), 0);
    EXPECT_EQ(form.left(), ui::screenWidth() - form.width());
    EXPECT_EQ(form.height(), height);
}

TEST_F(LauncherExit, ClosingTheWindowGoesThroughTheExitRules)
{
    Menuprod menuprod(doubles.context);
    menuprod.form().onLoad = {}; // the start-up has its own tests
    menuprod.form().load();
    dialogs.expectMessage(ui::Answer::No, confirmation);
    EXPECT_FALSE(menuprod.form().unload());
    EXPECT_TRUE(menuprod.form().isLoaded());
    dialogs.expectMessage(ui::Answer::Yes, confirmation);
    EXPECT_TRUE(menuprod.form().unload());
}

} // namespace
