#include "platform/WindowActivationX11.h"
#include "tests/support/fixtures/XvfbServer.h"

#include <QProcess>
#include <gtest/gtest.h> // before Xlib, whose None macro clashes with a name of gtest
#include <unistd.h>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include "tests/support/fixtures/X11Mapping.h"

namespace
{

// A client of the test's own X server: it maps top-level windows that carry a process id, and can
// play the window manager that receives activation requests.
class XClient
{
public:
    XClient() : m_display(XOpenDisplay(nullptr)) { EXPECT_NE(m_display, nullptr); }
    ~XClient() { XCloseDisplay(m_display); }
    XClient(const XClient &) = delete;
    XClient &operator=(const XClient &) = delete;

    Display *display() const { return m_display; }
    Window root() const { return DefaultRootWindow(m_display); }

    Window mapWindow(long processId)
    {
        return testing_support::mapAndWait(m_display, windowOf(root(), 10, processId));
    }

    // A window inside two levels of frame, marked as a client with WM_STATE as a window manager
    // that announces nothing (twm) leaves it: the root's child is the frame, not the window. A
    // minimised one (IconicState) stays unmapped in its frame.
    Window mapFramedWindow(long processId, long state = NormalState)
    {
        const Window frame = XCreateSimpleWindow(m_display, root(), 0, 0, 240, 140, 0, 0, 0);
        const Window inner = XCreateSimpleWindow(m_display, frame, 2, 20, 220, 110, 0, 0, 0);
        const Window window = windowOf(inner, 0, processId);
        long wmState[2] = {state, long(None)};
        XChangeProperty(m_display, window, atom("WM_STATE"), atom("WM_STATE"), 32, PropModeReplace,
                        reinterpret_cast<unsigned char *>(wmState), 2);
        if (state == NormalState)
            XMapWindow(m_display, window);
        XMapWindow(m_display, inner);
        testing_support::mapAndWait(m_display, frame);
        return window;
    }

    // Announces a window manager on the root window and takes its redirection of requests.
    void playWindowManager(Window clientWindow)
    {
        Window check = XCreateSimpleWindow(m_display, root(), 0, 0, 1, 1, 0, 0, 0);
        const Atom checkAtom = atom("_NET_SUPPORTING_WM_CHECK");
        XChangeProperty(m_display, check, checkAtom, XA_WINDOW, 32, PropModeReplace,
                        reinterpret_cast<unsigned char *>(&check), 1);
        XChangeProperty(m_display, root(), checkAtom, XA_WINDOW, 32, PropModeReplace,
                        reinterpret_cast<unsigned char *>(&check), 1);
        XChangeProperty(m_display, root(), atom("_NET_CLIENT_LIST"), XA_WINDOW, 32, PropModeReplace,
                        reinterpret_cast<unsigned char *>(&clientWindow), 1);
        XSelectInput(m_display, root(), SubstructureRedirectMask | SubstructureNotifyMask);
        XSync(m_display, False);
    }

    // The window named by the activation request that reached the window manager, None if none did.
    Window activationRequest()
    {
        XSync(m_display, False);
        XEvent event;
        while (XCheckTypedEvent(m_display, ClientMessage, &event))
            if (event.xclient.message_type == atom("_NET_ACTIVE_WINDOW"))
                return event.xclient.window;
        return None;
    }

    bool viewable(Window window)
    {
        XWindowAttributes attributes;
        return XGetWindowAttributes(m_display, window, &attributes) && attributes.map_state == IsViewable;
    }

    Window focus()
    {
        Window window = None;
        int revert = 0;
        XGetInputFocus(m_display, &window, &revert);
        return window;
    }

    Atom atom(const char *name) { return XInternAtom(m_display, name, False); }

private:
    // A window carrying the process id, not mapped yet.
    Window windowOf(Window parent, int place, long processId)
    {
        const Window window = XCreateSimpleWindow(m_display, parent, place, place, 200, 100, 0, 0, 0);
        XChangeProperty(m_display, window, atom("_NET_WM_PID"), XA_CARDINAL, 32, PropModeReplace,
                        reinterpret_cast<unsigned char *>(&processId), 1);
        return window;
    }

    Display *m_display;
};

qint64 endedProcess()
{
    QProcess process;
    process.start(QStringLiteral("true"), {});
    EXPECT_TRUE(process.waitForStarted());
    const qint64 processId = process.processId();
    EXPECT_TRUE(process.waitForFinished());
    return processId;
}

} // namespace

class WindowActivation : public testing::Test
{
protected:
    testing_support::XvfbServer server;
    XClient client;
    platform::X11WindowActivator activator;
};

TEST_F(WindowActivation, WithoutWindowManagerRaisesAndFocusesTheProcessWindow)
{
    client.mapWindow(getpid() + 1); // another process's window is left alone
    const Window own = client.mapWindow(getpid());
    ASSERT_NE(client.focus(), own);

    EXPECT_TRUE(activator.activate(getpid()));
    EXPECT_EQ(client.focus(), own);
}

TEST_F(WindowActivation, FindsTheWindowInsideAFrameOfAWindowManagerThatDoesNotAnnounceItself)
{
    const Window own = client.mapFramedWindow(getpid());
    ASSERT_NE(client.focus(), own);

    EXPECT_TRUE(activator.activate(getpid()));
    EXPECT_EQ(client.focus(), own);
}

TEST_F(WindowActivation, MinimisedWindowInAFrameIsMappedAgain)
{
    const Window own = client.mapFramedWindow(getpid(), IconicState);
    ASSERT_FALSE(client.viewable(own));

    EXPECT_TRUE(activator.activate(getpid()));
    EXPECT_TRUE(client.viewable(own));
}

TEST_F(WindowActivation, WithWindowManagerAsksItToActivateTheWindow)
{
    const Window own = client.mapWindow(getpid());
    client.playWindowManager(own);

    EXPECT_TRUE(activator.activate(getpid()));
    EXPECT_EQ(client.activationRequest(), own);
}

TEST_F(WindowActivation, NoProcessOrNoWindowIsNoActivation)
{
    QProcess running;
    running.start(QStringLiteral("sleep"), {QStringLiteral("30")});
    ASSERT_TRUE(running.waitForStarted());
    const qint64 ended = endedProcess();
    client.mapWindow(static_cast<long>(ended)); // a window left behind under the id of an ended process

    EXPECT_FALSE(activator.activate(0));
    EXPECT_FALSE(activator.activate(ended));
    EXPECT_FALSE(activator.activate(running.processId()));
    running.kill();
    running.waitForFinished();
}

TEST(WindowActivationWithoutDisplay, IsNoActivation)
{
    platform::X11WindowActivator activator(QByteArrayLiteral(":4095"));
    EXPECT_FALSE(activator.activate(getpid()));
}
