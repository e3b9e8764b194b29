#include "platform/WindowListX11.h"
#include "tests/support/fixtures/Eventually.h"
#include "tests/support/fixtures/TempInstallation.h"
#include "tests/support/fixtures/WindowManager.h"
#include "tests/support/fixtures/XvfbServer.h"
#include "ui/Twips.h"

#include <QProcess>
#include <gtest/gtest.h>
#include <optional>
// After gtest, whose names the X11 macros would take.
#include "platform/X11Support.h"
#include <X11/Xatom.h>

namespace
{

using testing_support::eventually;
using testing_support::WindowManagerKind;

// Where the tools button lies in the menu window: its design top and height in twips, across the
// whole width.
constexpr int toolsButtonTop = 7920;
constexpr int toolsButtonHeight = 735;
constexpr int dotsPerInch = 96; // Xvfb's

bool ownedBy(Display *display, Window window, qint64 pid)
{
    const auto owner = platform::x11::property32(display, window, "_NET_WM_PID", XA_CARDINAL);
    return !owner.empty() && qint64(owner.front()) == pid;
}

// Real pointer and keys, as a user's, through the X server's test extension.
void xdotool(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral("xdotool"), arguments);
    ASSERT_TRUE(process.waitForFinished()) << "xdotool " << arguments.join(' ').toStdString();
    ASSERT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
}

// The launcher itself runs under each window manager, started after the launcher's window shows
// (twm then moves the focus by the pointer from the moment a pop-up appears under it); the tools
// button is clicked with the real pointer, then pressed with Enter and Space, and an entry is chosen from the
// pop-up with the keyboard.
class ToolsPopupOnDisplay : public ::testing::TestWithParam<WindowManagerKind>
{
protected:
    ToolsPopupOnDisplay()
        : display(XOpenDisplay(server.display().toLatin1().constData())), windows(server.display().toLatin1())
    {
        launcher.setProcessEnvironment(server.programEnvironment());
        launcher.setWorkingDirectory(installation.data());
        launcher.start(installation.programs() + QStringLiteral("/torbprod"), QStringList());
    }

    ~ToolsPopupOnDisplay() override
    {
        if (manager) {
            EXPECT_NO_THROW(manager->expectRunning());
        }
        launcher.kill();
        launcher.waitForFinished();
        if (display)
            XCloseDisplay(display);
    }

    // The menu window on screen, in root coordinates.
    std::optional<QRect> menuWindow()
    {
        platform::x11::ErrorTrap trap(display);
        for (const Window window : platform::x11::clientWindows(display, DefaultRootWindow(display))) {
            XWindowAttributes attributes;
            if (!ownedBy(display, window, launcher.processId()) ||
                !XGetWindowAttributes(display, window, &attributes) || attributes.map_state != IsViewable ||
                attributes.override_redirect)
                continue;
            int x = 0;
            int y = 0;
            Window child = 0;
            XTranslateCoordinates(display, window, DefaultRootWindow(display), 0, 0, &x, &y, &child);
            return QRect(x, y, attributes.width, attributes.height);
        }
        return std::nullopt;
    }

    // Whether the window manager has put the menu window into a frame of its own.
    bool menuFramed()
    {
        platform::x11::ErrorTrap trap(display);
        for (const Window child : platform::x11::childWindows(display, DefaultRootWindow(display))) {
            const Window client = platform::x11::clientWindow(display, child);
            if (client != child && ownedBy(display, client, launcher.processId()))
                return true;
        }
        return false;
    }

    // Whether a pop-up of the launcher (a window no window manager frames) is on screen.
    bool popupShown()
    {
        platform::x11::ErrorTrap trap(display);
        for (const Window window : platform::x11::childWindows(display, DefaultRootWindow(display))) {
            XWindowAttributes attributes;
            if (ownedBy(display, window, launcher.processId()) &&
                XGetWindowAttributes(display, window, &attributes) && attributes.override_redirect &&
                attributes.map_state == IsViewable)
                return true;
        }
        return false;
    }

    bool windowShown(const QString &title)
    {
        for (const platform::TopLevelWindow &window : windows.topLevelWindows())
            if (window.visible && window.title == title)
                return true;
        return false;
    }

    testing_support::TempInstallation installation;
    testing_support::XvfbServer server;
    std::optional<testing_support::WindowManager> manager;
    Display *display;
    platform::X11WindowList windows;
    QProcess launcher;
};

TEST_P(ToolsPopupOnDisplay, ToolsMenuOpensByMouseEnterAndSpaceAndStaysUntilAnEntryIsChosen)
{
    ASSERT_TRUE(display);
    ASSERT_TRUE(launcher.waitForStarted());
    std::optional<QRect> menu;
    ASSERT_TRUE(eventually([&] { return (menu = menuWindow()).has_value(); })) << "the menu shows";
    manager.emplace(server, GetParam());
    if (GetParam() != WindowManagerKind::NoManager) {
        ASSERT_TRUE(eventually([&] { return menuFramed(); })) << "the window manager frames the menu";
    }
    // The docking moves the window once its frame is known: let it settle before aiming at it.
    ASSERT_TRUE(eventually([&] {
        const std::optional<QRect> before = menu;
        QThread::msleep(200);
        return (menu = menuWindow()) == before;
    }));

    const int buttonMiddle = ui::twipsToPixels(toolsButtonTop + toolsButtonHeight / 2, dotsPerInch);
    xdotool({QStringLiteral("mousemove"), QString::number(menu->center().x()),
             QString::number(menu->top() + buttonMiddle), QStringLiteral("click"), QStringLiteral("1")});
    ASSERT_TRUE(eventually([&] { return popupShown(); })) << "the tools pop-up opens";
    // Escape closes it only while it is open; the clicked button keeps the focus for Enter and Space.
    for (const QString &key : {QStringLiteral("Return"), QStringLiteral("space")}) {
        xdotool({QStringLiteral("key"), QStringLiteral("Escape")});
        ASSERT_TRUE(eventually([&] { return !popupShown(); })) << "Escape closes the pop-up";
        xdotool({QStringLiteral("key"), key});
        ASSERT_TRUE(eventually([&] { return popupShown(); }))
            << key.toStdString() << " opens the pop-up again";
    }

    // "&Personalisation": its mnemonic chooses it, if the pop-up is still there to take the key.
    xdotool({QStringLiteral("key"), QStringLiteral("p")});
    EXPECT_TRUE(eventually([&] { return windowShown(QStringLiteral("Paramètre de personalisation")); }))
        << "the personalisation window opens from the pop-up";
    EXPECT_FALSE(popupShown());
}

INSTANTIATE_TEST_SUITE_P(WindowManagers, ToolsPopupOnDisplay,
                         ::testing::ValuesIn(testing_support::windowManagerKinds()), [](const auto &test) {
                             return testing_support::windowManagerName(test.param).toStdString();
                         });

} // namespace
