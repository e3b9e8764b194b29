#include "launcher/menu/ExitRules.h"
#include "launcher/menu/ForceClose.h"
#include "launcher/menu/ModuleLauncher.h"
#include "launcher/menu/WindowSearch.h"
#include "platform/Clock.h"
#include "platform/Files.h"
#include "platform/Processes.h"
#include "platform/WindowActivationX11.h"
#include "platform/WindowListX11.h"
#include "support/MenuDoubles.h"
#include "tests/support/fixtures/Eventually.h"
#include "tests/support/fixtures/TempInstallation.h"
#include "tests/support/fixtures/WindowManager.h"
#include "tests/support/fixtures/XvfbServer.h"
#include "ui/testing/ScriptedDialogs.h"

#include <QCoreApplication>
#include <QProcess>
#include <gtest/gtest.h>
#include <signal.h>
// After gtest, whose names the X11 macros would take.
#include "platform/X11Support.h"
#include <X11/Xatom.h>

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

using testing_support::eventually;

using testing_support::WindowManagerKind;

// The stand-in modules are started for real on an Xvfb server of the test's own, under each window
// manager in turn, and their windows are looked for there.
class ModuleLaunchOnDisplay : public ::testing::TestWithParam<WindowManagerKind>
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
          manager(server, GetParam()), activator(server.display().toLatin1()),
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
        // The window manager has to outlive the test: one that died would explain a failure.
        EXPECT_NO_THROW(manager.expectRunning());
        for (qint64 pid : state.Tab_Taches) {
            if (pid > 0)
                ::kill(pid_t(pid), SIGKILL);
        }
        qputenv("QT_QPA_PLATFORM", formerPlatform);
    }

    void click(const char *button) { launchModule(context, menu::testing::moduleRow(button)); }

    // Whether the window of the module with this title word is shown in front of the other's.
    bool inFrontOf(const QString &front, const QString &behind)
    {
        for (const platform::TopLevelWindow &window : windows.topLevelWindows()) {
            if (!window.visible)
                continue;
            if (window.title.startsWith(front))
                return true;
            if (window.title.startsWith(behind))
                return false;
        }
        return false;
    }

    bool shown(const QString &titleWord) { return Cherche_Fenetre(windows, titleWord); }

    // The process whose window has the keyboard, 0 for none.
    qint64 focusedProcess()
    {
        const std::unique_ptr<Display, decltype(&XCloseDisplay)> display(
            XOpenDisplay(server.display().toLatin1().constData()), XCloseDisplay);
        platform::x11::ErrorTrap trap(display.get());
        Window focus = 0;
        int revert = 0;
        XGetInputFocus(display.get(), &focus, &revert);
        const auto pid = focus > PointerRoot
                             ? platform::x11::property32(display.get(), focus, "_NET_WM_PID", XA_CARDINAL)
                             : std::vector<unsigned long>();
        return pid.empty() ? 0 : qint64(pid.front());
    }

    // The desktop's windows as the search saw them, for a failure's message.
    std::string windowsSeen()
    {
        QStringList seen;
        for (const platform::TopLevelWindow &window : windows.topLevelWindows())
            if (!window.title.isEmpty())
                seen << QStringLiteral("%1 \"%2\"%3")
                            .arg(window.handle, 0, 16)
                            .arg(window.title, window.visible ? QString() : QStringLiteral(" (hidden)"));
        return seen.join(QStringLiteral(", ")).toStdString();
    }

    // Clicks the module's button; whether the stand-in then shows its window.
    bool start(const char *button, const char *titleWord)
    {
        click(button);
        return eventually([&] { return shown(QString::fromLatin1(titleWord)); });
    }

    void endModule(qint64 pid)
    {
        ASSERT_EQ(::kill(pid_t(pid), SIGTERM), 0);
        ASSERT_TRUE(eventually([&] { return !starter.isRunning(pid); })) << "the ended stand-in is reaped";
    }

    CurrentDirectoryGuard directory;
    testing_support::TempInstallation installation;
    testing_support::XvfbServer server;
    QByteArray formerPlatform;
    testing_support::WindowManager manager;
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

TEST_P(ModuleLaunchOnDisplay, RunningModuleIsBroughtForwardAndAnEndedOneStartedAgain)
{
    ASSERT_TRUE(start("Cmd_Apro", "TORBAPRO")) << windowsSeen();
    const qint64 first = state.Tab_Taches[5];
    ASSERT_GT(first, 0);
    click("Cmd_Stoc");
    ASSERT_TRUE(eventually([&] { return inFrontOf(QStringLiteral("TORBSTOC"), QStringLiteral("TORBAPRO")); }))
        << "the stock stand-in shows its window in front";
    EXPECT_EQ(starter.starts, 2);

    click("Cmd_Apro");
    EXPECT_EQ(starter.starts, 2) << "a running module is not started twice";
    EXPECT_EQ(state.Tab_Taches[5], first);
    EXPECT_EQ(platform::currentDirectory(), installation.data() + QStringLiteral("/torbstoc"))
        << "bringing a module forward leaves the current directory alone";
    EXPECT_TRUE(eventually([&] { return inFrontOf(QStringLiteral("TORBAPRO"), QStringLiteral("TORBSTOC")); }))
        << "the purchasing window came to the front";

    endModule(first);
    click("Cmd_Apro");
    EXPECT_EQ(starter.starts, 3);
    EXPECT_GT(state.Tab_Taches[5], 0);
    EXPECT_NE(state.Tab_Taches[5], first);
    EXPECT_EQ(platform::currentDirectory(), installation.data() + QStringLiteral("/torbapro"));
}

TEST_P(ModuleLaunchOnDisplay, ExitIsRefusedWhileModulesRun)
{
    ASSERT_TRUE(start("CMD_Veh", "TORBVEH")) << windowsSeen();
    ASSERT_TRUE(start("Cmd_Nomenc", "LUPARDO")) << windowsSeen();
    const qint64 vehicles = state.Tab_Taches[10];
    const qint64 composer = state.Tab_Taches[12];

    bool cancel = false;
    dialogs.expectMessage(ui::Answer::Ok, QStringLiteral("Fermez d'abord tous les modules de TORBPROD"));
    Form_Unload(context, cancel);
    EXPECT_TRUE(cancel);
    EXPECT_EQ(state.Tab_Taches[10], vehicles);
    EXPECT_EQ(state.Tab_Taches[12], composer);

    endModule(vehicles);
    endModule(composer);
    cancel = false;
    dialogs.expectMessage(ui::Answer::No, QStringLiteral("Confirmez la sortie de TORBPROD"));
    Form_Unload(context, cancel);
    EXPECT_TRUE(cancel);
    EXPECT_EQ(state.Tab_Taches[10], 0);
    EXPECT_EQ(state.Tab_Taches[12], 0);
}

TEST_P(ModuleLaunchOnDisplay, ForceCloseEndsTheRunningModules)
{
    ASSERT_TRUE(start("Cmd_Stoc", "TORBSTOC")) << windowsSeen();
    ASSERT_TRUE(start("Cmd_Com", "TORBCOM")) << windowsSeen();
    const qint64 stock = state.Tab_Taches[1];
    const qint64 orders = state.Tab_Taches[2];

    dialogs.expectMessage(ui::Answer::Ok, QStringLiteral("Forcer la fermeture de TORBPROD ?"));
    dialogs.expectMessage(ui::Answer::Ok, QStringLiteral("Forcer la fermeture du module TORBSTOC ?"));
    dialogs.expectMessage(ui::Answer::Cancel, QStringLiteral("Forcer la fermeture du module TORBCOM ?"));
    forceCloseModules(context);

    EXPECT_TRUE(eventually([&] { return !starter.isRunning(stock); })) << "the stock stand-in closed";
    EXPECT_TRUE(starter.isRunning(orders));
    EXPECT_EQ(state.Tab_Taches[1], stock) << "the task table is left as it was";
}

// Started in a window that takes the focus: the module has the keyboard once its window shows,
// though the pointer lies far from it (twm gives the focus to the window under the pointer).
TEST_P(ModuleLaunchOnDisplay, AStartedModuleTakesTheFocus)
{
    QProcess pointer;
    pointer.start(QStringLiteral("xdotool"),
                  {QStringLiteral("mousemove"), QStringLiteral("1279"), QStringLiteral("1023")});
    ASSERT_TRUE(pointer.waitForFinished());
    click("Cmd_Tmps");
    const qint64 module = state.Tab_Taches[6];
    ASSERT_GT(module, 0);
    // The launcher learns of the new window in its event loop.
    EXPECT_TRUE(eventually([&] {
        QCoreApplication::processEvents();
        return focusedProcess() == module;
    })) << windowsSeen();
}

INSTANTIATE_TEST_SUITE_P(WindowManagers, ModuleLaunchOnDisplay,
                         ::testing::ValuesIn(testing_support::windowManagerKinds()), [](const auto &test) {
                             return testing_support::windowManagerName(test.param).toStdString();
                         });

} // namespace
