#include "tests/support/fixtures/TempInstallation.h"
#include "tests/support/fixtures/WindowManager.h"
#include "tests/support/fixtures/XvfbServer.h"
#include "ui/Twips.h"

#include <QProcess>
#include <QThread>
#include <gtest/gtest.h>
#include <optional>
// After gtest, whose names the X11 macros would take.
#include "platform/X11Support.h"
#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace
{

// The outer rectangle, border included, of the window manager's frame around the client window of
// the process; nothing while there is none.
std::optional<QRect> frameOf(Display *display, qint64 pid)
{
    platform::x11::ErrorTrap trap(display); // a window may vanish while the tree is walked
    const Atom pidAtom = XInternAtom(display, "_NET_WM_PID", False);
    const auto ownedBy = [&](Window window) {
        Atom type;
        int format;
        unsigned long count, after;
        unsigned char *data = nullptr;
        const bool owned = XGetWindowProperty(display, window, pidAtom, 0, 1, False, XA_CARDINAL, &type,
                                              &format, &count, &after, &data) == Success &&
                           data && count == 1 && qint64(*reinterpret_cast<unsigned long *>(data)) == pid;
        if (data)
            XFree(data);
        return owned;
    };
    const auto children = [&](Window parent) {
        Window root, up, *list = nullptr;
        unsigned int count = 0;
        std::vector<Window> result;
        if (XQueryTree(display, parent, &root, &up, &list, &count)) {
            result.assign(list, list + count);
            XFree(list);
        }
        return result;
    };
    for (Window frame : children(DefaultRootWindow(display))) {
        for (Window client : children(frame)) {
            if (!ownedBy(client))
                continue;
            Window root;
            int x, y;
            unsigned int width, height, border, depth;
            XGetGeometry(display, frame, &root, &x, &y, &width, &height, &border, &depth);
            return QRect(x, y, int(width + 2 * border), int(height + 2 * border));
        }
    }
    return std::nullopt;
}

// Under a window manager that frames windows, the frame is known only once the window is on
// screen: the menu then docks again, so that its outer edge, frame included, meets the screen's.
TEST(MenuDockingOnDisplay, DocksWithTheFrameOfTheWindowManager)
{
    testing_support::TempInstallation installation;
    testing_support::XvfbServer server;
    testing_support::WindowManager manager(server, testing_support::WindowManagerKind::Twm);
    Display *display = XOpenDisplay(server.display().toLatin1().constData());
    ASSERT_TRUE(display);

    QProcess launcher;
    launcher.setProcessEnvironment(server.programEnvironment());
    launcher.setWorkingDirectory(installation.data());
    launcher.start(installation.programs() + QStringLiteral("/torbprod"), QStringList());
    ASSERT_TRUE(launcher.waitForStarted());

    // Xvfb's screen, 1280 × 1024 pixels at 96 dots per inch.
    const int screenWidth = 1280;
    const int dockedHeight = ui::twipsToPixels(ui::pixelsToTwips(1024, 96) - 500, 96);
    std::optional<QRect> frame;
    for (int i = 0; i < 400; ++i) {
        manager.expectRunning(); // a manager that died frames nothing: say why at once
        frame = frameOf(display, launcher.processId());
        if (frame && frame->right() + 1 == screenWidth && frame->top() == 0 &&
            std::abs(frame->height() - dockedHeight) <= 1)
            break;
        QThread::msleep(50);
    }
    ASSERT_TRUE(frame) << "the launcher's window is framed";
    EXPECT_EQ(frame->right() + 1, screenWidth);
    EXPECT_EQ(frame->top(), 0);
    EXPECT_NEAR(frame->height(), dockedHeight, 1);

    launcher.kill();
    launcher.waitForFinished();
    XCloseDisplay(display);
}

} // namespace
