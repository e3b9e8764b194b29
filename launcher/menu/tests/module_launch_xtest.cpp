#include "launcher/menu/ForceClose.h"
#include "launcher/menu/ModuleLauncher.h"
#include "launcher/menu/WindowSearch.h"
#include "platform/Clock.h"
#include "platform/Files.h"
#include "platform/Processes.h"
#include "platform/WindowActivationX11.h"
#include "platform/WindowListX11.h"
#include "support/MenuDoubles.h"
#include "tests/support/fixtures/TempInstallation.h"
#include "tests/support/fixtures/XvfbServer.h"
#include "ui/testing/ScriptedDialogs.h"

#include <QThread>
#include <gtest/gtest.h>
#include <signal.h>

using namespace menu;
using menu::testing::CurrentDirectoryGuard;

namespace
{

// The real starter, counting its starts.
class CountingStarter : public platform::ProcessStarter
{
public:
    int starts = 0;
    qint64 start(const QString &program, const QStringList &arguments) override
    {
        ++starts;
        return m_real.start(program, arguments);
    }
    bool isRunning(qint64 pid) const override { return m_real.isRunning(pid); }

private:
    platform::SystemProcessStarter m_real;
};

// Waits, within a generous bound, for a condition that another process brings about.
template <class Condition> bool eventually(Condition condition)
{
    for (int i = 0; i < 400; ++i) {
        if (condition())
            return true;
        QThread::msleep(50);
    }
    return condition();
}

// The stand-in modules are started for real on an Xvfb server of the test's own, and their windows
// are looked for there.
class ModuleLaunchOnDisplay : public ::testing::Test
{
protected:
    static tools::SampleOptions withoutPrograms()
    {
        tools::SampleOptions options;
        options.withPrograms = false;
        return options;
    }

    ModuleLaunchOnDisplay()
        : installation(withoutPrograms()), formerPlatform(qgetenv("QT_QPA_PLATFORM")),
          activator(server.display().toLatin1()),
          windows(server.display().toLatin1()), context{state, traduction, starter, activator, windows,
                                                        keys,  shell,      clock,   {}}
    {
        // The stand-ins inherit the environment: they are to show real windows.
        qputenv("QT_QPA_PLATFORM", "xcb");
        state.Rep_Donnees = installation.data() + QLatin1Char('/');
        state.Rep_Appli = installation.programs() + QLatin1Char('/');
        platform::setCurrentDirectory(installation.data());
    }

    ~ModuleLaunchOnDisplay() override
    {
        for (qint64 pid : state.Tab_Taches) {
            if (pid > 0)
                ::kill(pid_t(pid), SIGKILL);
        }
        qputenv("QT_QPA_PLATFORM", formerPlatform);
    }

    void click(const char *button) { launchModule(context, menu::testing::moduleRow(button)); }

    CurrentDirectoryGuard directory;
    testing_support::TempInstallation installation;
    testing_support::XvfbServer server;
    QByteArray formerPlatform;
    ui::testing::ScriptedDialogs dialogs;
    services::SharedState state;
    services::Traduction traduction{state};
    CountingStarter starter;
    platform::X11WindowActivator activator;
    platform::X11WindowList windows;
    menu::testing::RecordingKeys keys;
    menu::testing::RecordingShell shell;
    menu::testing::FixedClock clock;
    MenuContext context;
};

TEST_F(ModuleLaunchOnDisplay, RunningModuleIsBroughtForwardAndAnEndedOneStartedAgain)
{
    click("Cmd_Apro");
    const qint64 first = state.Tab_Taches[5];
    ASSERT_GT(first, 0);
    EXPECT_EQ(starter.starts, 1);
    ASSERT_TRUE(eventually([&] { return activator.activate(first); })) << "the stand-in shows its window";

    click("Cmd_Apro");
    EXPECT_EQ(starter.starts, 1) << "a running module is not started twice";
    EXPECT_EQ(state.Tab_Taches[5], first);

    ASSERT_EQ(::kill(pid_t(first), SIGTERM), 0);
    ASSERT_TRUE(eventually([&] { return !starter.isRunning(first); })) << "the ended stand-in is reaped";

    click("Cmd_Apro");
    EXPECT_EQ(starter.starts, 2);
    EXPECT_GT(state.Tab_Taches[5], 0);
    EXPECT_NE(state.Tab_Taches[5], first);
    EXPECT_EQ(platform::currentDirectory(), installation.data() + QStringLiteral("/torbapro"));
}

TEST_F(ModuleLaunchOnDisplay, ForceCloseEndsTheRunningModules)
{
    click("Cmd_Stoc");
    click("Cmd_Com");
    const qint64 stock = state.Tab_Taches[1];
    const qint64 orders = state.Tab_Taches[2];
    ASSERT_TRUE(eventually([&] {
        return Cherche_Fenetre(windows, QStringLiteral("TORBSTOC")) &&
               Cherche_Fenetre(windows, QStringLiteral("TORBCOM"));
    })) << "both stand-ins show their windows";

    dialogs.expectMessage(ui::Answer::Ok, QStringLiteral("Forcer la fermeture de TORBPROD ?"));
    dialogs.expectMessage(ui::Answer::Ok, QStringLiteral("Forcer la fermeture du module TORBSTOC ?"));
    dialogs.expectMessage(ui::Answer::Cancel, QStringLiteral("Forcer la fermeture du module TORBCOM ?"));
    forceCloseModules(context);

    EXPECT_TRUE(eventually([&] { return !starter.isRunning(stock); })) << "the stock stand-in closed";
    EXPECT_TRUE(starter.isRunning(orders));
    EXPECT_EQ(state.Tab_Taches[1], stock) << "the task table is left as it was";
}

} // namespace
