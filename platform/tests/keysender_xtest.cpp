#include "platform/Failure.h"
#include "platform/KeySenderX11.h"
#include "tests/support/fixtures/XvfbServer.h"

#include <gtest/gtest.h> // before Xlib, whose None macro clashes with a name of gtest

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/keysym.h>

namespace
{

struct Received {
    KeySym symbol;
    unsigned int state;
    bool operator==(const Received &) const = default;
};

// A window that has the input focus and tells the key presses it received.
class FocusedWindow
{
public:
    FocusedWindow() : m_display(XOpenDisplay(nullptr))
    {
        m_window = XCreateSimpleWindow(m_display, DefaultRootWindow(m_display), 0, 0, 200, 100, 0, 0, 0);
        XSelectInput(m_display, m_window, KeyPressMask | KeyReleaseMask | StructureNotifyMask);
        XMapWindow(m_display, m_window);
        XEvent event;
        do
            XWindowEvent(m_display, m_window, StructureNotifyMask, &event);
        while (event.type != MapNotify);
        XSetInputFocus(m_display, m_window, RevertToParent, CurrentTime);
        XSync(m_display, False);
    }
    ~FocusedWindow() { XCloseDisplay(m_display); }
    FocusedWindow(const FocusedWindow &) = delete;
    FocusedWindow &operator=(const FocusedWindow &) = delete;

    // The symbol of each key press, read as the receiving program would from its key and state.
    std::vector<Received> presses(std::size_t expected)
    {
        std::vector<Received> received;
        int releases = 0;
        while (received.size() < expected || releases < int(expected)) {
            XEvent event;
            XWindowEvent(m_display, m_window, KeyPressMask | KeyReleaseMask, &event);
            if (event.type == KeyRelease) {
                ++releases;
                continue;
            }
            const int level = (event.xkey.state & ShiftMask) ? 1 : 0;
            const KeySym symbol = XkbKeycodeToKeysym(m_display, KeyCode(event.xkey.keycode), 0, level);
            received.push_back({symbol, event.xkey.state & (ShiftMask | ControlMask | Mod1Mask)});
        }
        return received;
    }

private:
    Display *m_display;
    Window m_window;
};

} // namespace

TEST(X11KeySender, SendsTheKeysToTheFocusedWindow)
{
    testing_support::XvfbServer server;
    FocusedWindow window;
    platform::X11KeySender sender;

    sender.send(QStringLiteral("{TAB}aB^%{DEL}~"));
    EXPECT_EQ(
        window.presses(5),
        (std::vector<Received>{
            {XK_Tab, 0}, {XK_a, 0}, {XK_B, ShiftMask}, {XK_Delete, ControlMask | Mod1Mask}, {XK_Return, 0}}));
}

TEST(X11KeySender, RefusesKeysItCannotSend)
{
    testing_support::XvfbServer server;
    platform::X11KeySender sender;
    EXPECT_THROW(sender.send(QStringLiteral("{NOKEY}")), platform::Failure);
    EXPECT_THROW(sender.send(QStringLiteral("\u4e2d")), platform::Failure) << "no key gives it";
    platform::X11KeySender unreachable(QByteArrayLiteral(":4095"));
    EXPECT_THROW(unreachable.send(QStringLiteral("a")), platform::Failure);
}
