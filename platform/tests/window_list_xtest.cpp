#include "platform/Failure.h"
#include "platform/WindowListX11.h"
#include "tests/support/fixtures/XvfbServer.h"

#include <gtest/gtest.h> // before Xlib, whose None macro clashes with a name of gtest

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include "tests/support/fixtures/X11Mapping.h"

namespace
{

// Windows of another client of the test's own X server, named and stacked as a test needs.
class WindowOwner
{
public:
    WindowOwner() : m_display(XOpenDisplay(nullptr)) { EXPECT_NE(m_display, nullptr); }
    ~WindowOwner() { XCloseDisplay(m_display); }
    WindowOwner(const WindowOwner &) = delete;
    WindowOwner &operator=(const WindowOwner &) = delete;

    Window root() const { return DefaultRootWindow(m_display); }
    Atom atom(const char *name) { return XInternAtom(m_display, name, False); }

    // A top-level window with WM_NAME (Latin-1) and, when given, _NET_WM_NAME (UTF-8).
    Window create(const char *legacyName, const char *utf8Name = nullptr, bool takesDelete = true)
    {
        const Window window = XCreateSimpleWindow(m_display, root(), 10, 10, 200, 100, 0, 0, 0);
        if (legacyName)
            XStoreName(m_display, window, legacyName);
        if (utf8Name)
            XChangeProperty(m_display, window, atom("_NET_WM_NAME"), atom("UTF8_STRING"), 8, PropModeReplace,
                            reinterpret_cast<const unsigned char *>(utf8Name), int(strlen(utf8Name)));
        if (takesDelete) {
            Atom deleteWindow = atom("WM_DELETE_WINDOW");
            XSetWMProtocols(m_display, window, &deleteWindow, 1);
        }
        XSync(m_display, False);
        return window;
    }

    Window map(Window window) { return testing_support::mapAndWait(m_display, window); }

    // Puts the window into a frame of a window manager that keeps no stacking list, as twm does.
    Window frame(Window client)
    {
        const Window frame = XCreateSimpleWindow(m_display, root(), 0, 0, 220, 130, 0, 0, 0);
        XReparentWindow(m_display, client, frame, 5, 20);
        long normalState[2] = {1, long(None)};
        XChangeProperty(m_display, client, atom("WM_STATE"), atom("WM_STATE"), 32, PropModeReplace,
                        reinterpret_cast<unsigned char *>(normalState), 2);
        map(client);
        return map(frame);
    }

    void raise(Window window)
    {
        XRaiseWindow(m_display, window);
        XSync(m_display, False);
    }

    // Announces a window manager whose stacking list, given from the bottom up, is windows.
    void playWindowManager(std::vector<Window> bottomToTop)
    {
        Window check = XCreateSimpleWindow(m_display, root(), 0, 0, 1, 1, 0, 0, 0);
        const Atom checkAtom = atom("_NET_SUPPORTING_WM_CHECK");
        XChangeProperty(m_display, check, checkAtom, XA_WINDOW, 32, PropModeReplace,
                        reinterpret_cast<unsigned char *>(&check), 1);
        XChangeProperty(m_display, root(), checkAtom, XA_WINDOW, 32, PropModeReplace,
                        reinterpret_cast<unsigned char *>(&check), 1);
        XChangeProperty(m_display, root(), atom("_NET_CLIENT_LIST_STACKING"), XA_WINDOW, 32, PropModeReplace,
                        reinterpret_cast<unsigned char *>(bottomToTop.data()), int(bottomToTop.size()));
        XSync(m_display, False);
    }

    // The windows that got the delete request since the last call.
    std::vector<Window> deleteRequests()
    {
        XSync(m_display, False);
        std::vector<Window> windows;
        XEvent event;
        while (XCheckTypedEvent(m_display, ClientMessage, &event)) {
            if (event.xclient.message_type == atom("WM_PROTOCOLS") &&
                Atom(event.xclient.data.l[0]) == atom("WM_DELETE_WINDOW"))
                windows.push_back(event.xclient.window);
        }
        return windows;
    }

private:
    Display *m_display;
};

class WindowListTest : public testing::Test
{
protected:
    const platform::TopLevelWindow *find(const std::vector<platform::TopLevelWindow> &windows, Window window)
    {
        for (const auto &each : windows)
            if (each.handle == window)
                return &each;
        return nullptr;
    }

    // The position of each window in the list, front first.
    std::vector<std::size_t> positions(const std::vector<Window> &windows)
    {
        const auto listed = list.topLevelWindows();
        std::vector<std::size_t> found;
        for (const Window window : windows) {
            for (std::size_t i = 0; i < listed.size(); ++i)
                if (listed[i].handle == window)
                    found.push_back(i);
        }
        return found;
    }

    testing_support::XvfbServer server;
    WindowOwner owner;
    platform::X11WindowList list;
};

} // namespace

TEST_F(WindowListTest, TitlesAndVisibility)
{
    const Window both = owner.map(owner.create("TORBSTOC ancien", "TORBSTOC – Gestion des stocks"));
    const Window legacy = owner.map(owner.create("TORBCOM \xe9t\xe9")); // Latin-1 WM_NAME
    const Window hidden = owner.create("TORBAPRO cach\xe9");
    const Window untitled = owner.map(owner.create(nullptr));

    const auto windows = list.topLevelWindows();
    ASSERT_TRUE(find(windows, both) && find(windows, legacy) && find(windows, hidden) &&
                find(windows, untitled));
    EXPECT_EQ(find(windows, both)->title, QStringLiteral("TORBSTOC – Gestion des stocks"));
    EXPECT_EQ(find(windows, legacy)->title, QStringLiteral("TORBCOM été"));
    EXPECT_EQ(find(windows, hidden)->title, QStringLiteral("TORBAPRO caché"));
    EXPECT_EQ(find(windows, untitled)->title, QString());
    EXPECT_TRUE(find(windows, both)->visible);
    EXPECT_FALSE(find(windows, hidden)->visible);
}

TEST_F(WindowListTest, FrontWindowComesFirstWithoutWindowManager)
{
    const Window first = owner.map(owner.create("first"));
    const Window second = owner.map(owner.create("second"));
    EXPECT_EQ(positions({second, first}), (std::vector<std::size_t>{0, 1}));

    owner.raise(first);
    EXPECT_EQ(positions({first, second}), (std::vector<std::size_t>{0, 1}));
}

TEST_F(WindowListTest, WindowManagerStackingComesFirstThenTheUnmanagedWindows)
{
    const Window back = owner.map(owner.create("back"));
    const Window front = owner.map(owner.create("front"));
    const Window withdrawn = owner.create("withdrawn");
    owner.raise(back); // the root's order says otherwise: the window manager's list wins
    owner.playWindowManager({back, front});

    const auto windows = list.topLevelWindows();
    ASSERT_GE(windows.size(), 3u);
    EXPECT_EQ(windows[0].handle, front);
    EXPECT_EQ(windows[1].handle, back);
    EXPECT_NE(find(windows, withdrawn), nullptr);
}

TEST_F(WindowListTest, FrameStandsForTheProgramWindowInIt)
{
    const Window client = owner.create("TORBPRIX - Devis");
    const Window frame = owner.frame(client);
    const Window unframed = owner.map(owner.create("front"));

    const auto windows = list.topLevelWindows();
    EXPECT_EQ(find(windows, frame), nullptr);
    ASSERT_NE(find(windows, client), nullptr);
    EXPECT_EQ(find(windows, client)->title, QStringLiteral("TORBPRIX - Devis"));
    EXPECT_TRUE(find(windows, client)->visible);
    EXPECT_EQ(positions({unframed, client}), (std::vector<std::size_t>{0, 1}));
}

TEST_F(WindowListTest, CloseRequestReachesOnlyWindowsThatTakeIt)
{
    const Window takes = owner.map(owner.create("TORBSTOC"));
    const Window refuses = owner.map(owner.create("TORBSTOC", nullptr, false));
    const Window hidden = owner.create("TORBSTOC");

    list.requestClose(takes);
    list.requestClose(refuses);
    list.requestClose(hidden);
    EXPECT_EQ(owner.deleteRequests(), (std::vector<Window>{takes, hidden}));
}

TEST_F(WindowListTest, VanishedWindowIsNoFailure)
{
    EXPECT_NO_THROW(list.requestClose(0x7fffff));
}

TEST(WindowListWithoutDisplay, FailsToList)
{
    platform::X11WindowList list(QByteArrayLiteral(":4095"));
    EXPECT_THROW(list.topLevelWindows(), platform::Failure);
}
