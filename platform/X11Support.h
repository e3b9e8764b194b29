#pragma once

#include <X11/Xlib.h>
#include <optional>
#include <vector>

namespace platform::x11
{

// Records X errors while it lives instead of letting Xlib's default handler end the process: a
// window of another program may vanish at any moment between two requests about it.
class ErrorTrap
{
public:
    explicit ErrorTrap(Display *display);
    ~ErrorTrap();
    ErrorTrap(const ErrorTrap &) = delete;
    ErrorTrap &operator=(const ErrorTrap &) = delete;

    // Whether a request made since the trap was set failed.
    bool failed();

private:
    static int record(Display *, XErrorEvent *);

    static inline bool s_failed = false;
    Display *m_display;
    int (*m_previous)(Display *, XErrorEvent *) = nullptr;
};

// The 32-bit items of a window property of the given type; empty when it is missing.
std::vector<unsigned long> property32(Display *display, Window window, const char *name, Atom type);

// Whether a window manager that follows the desktop conventions runs: it announces itself on the
// root window with a check window that names itself.
bool windowManagerRuns(Display *display, Window root);

// The children of a window, bottom of the stacking order first.
std::vector<Window> childWindows(Display *display, Window parent);

// The WM_STATE a window manager put on one of its client windows (NormalState, IconicState...);
// nothing when the window has none.
std::optional<long> wmState(Display *display, Window window);

// The program window that a child of the root stands for. A window manager that frames windows
// (twm, openbox...) makes the root's children its frames and marks the program window somewhere
// inside with WM_STATE: that window, found at any depth. A child that is itself marked, or that
// holds no marked window (no window manager), stands for itself.
Window clientWindow(Display *display, Window rootChild);

// clientWindow of every child of the root, bottom of the stacking order first.
std::vector<Window> clientWindows(Display *display, Window root);

} // namespace platform::x11
