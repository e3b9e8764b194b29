#include "platform/X11Support.h"

#include <X11/Xatom.h>

namespace platform::x11
{

ErrorTrap::ErrorTrap(Display *display) : m_display(display)
{
    XSync(m_display, False);
    s_failed = false;
    m_previous = XSetErrorHandler(&ErrorTrap::record);
}

ErrorTrap::~ErrorTrap()
{
    XSync(m_display, False);
    XSetErrorHandler(m_previous);
}

bool ErrorTrap::failed()
{
    XSync(m_display, False);
    return s_failed;
}

int ErrorTrap::record(Display *, XErrorEvent *)
{
    s_failed = true;
    return 0;
}

std::vector<unsigned long> property32(Display *display, Window window, const char *name, Atom type)
{
    Atom actualType = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char *data = nullptr;
    const Atom atom = XInternAtom(display, name, False);
    std::vector<unsigned long> items;
    if (XGetWindowProperty(display, window, atom, 0, 1L << 16, False, type, &actualType, &format, &count,
                           &remaining, &data) == Success &&
        actualType == type && format == 32 && data) {
        const auto *values = reinterpret_cast<const unsigned long *>(data);
        items.assign(values, values + count);
    }
    if (data)
        XFree(data);
    return items;
}

bool windowManagerRuns(Display *display, Window root)
{
    ErrorTrap trap(display);
    const auto check = property32(display, root, "_NET_SUPPORTING_WM_CHECK", XA_WINDOW);
    if (check.empty())
        return false;
    const auto self = property32(display, check.front(), "_NET_SUPPORTING_WM_CHECK", XA_WINDOW);
    return !trap.failed() && !self.empty() && self.front() == check.front();
}

std::vector<Window> childWindows(Display *display, Window parent)
{
    Window root = None;
    Window parentReturn = None;
    Window *list = nullptr;
    unsigned int count = 0;
    std::vector<Window> windows;
    if (XQueryTree(display, parent, &root, &parentReturn, &list, &count) && list)
        windows.assign(list, list + count);
    if (list)
        XFree(list);
    return windows;
}

std::optional<long> wmState(Display *display, Window window)
{
    const Atom type = XInternAtom(display, "WM_STATE", False);
    const auto state = property32(display, window, "WM_STATE", type);
    if (state.empty())
        return std::nullopt;
    return long(state.front());
}

namespace
{

Window markedWindowBelow(Display *display, Window parent)
{
    for (const Window child : childWindows(display, parent)) {
        if (wmState(display, child))
            return child;
        if (const Window client = markedWindowBelow(display, child); client != None)
            return client;
    }
    return None;
}

} // namespace

Window clientWindow(Display *display, Window rootChild)
{
    if (wmState(display, rootChild))
        return rootChild;
    const Window client = markedWindowBelow(display, rootChild);
    return client != None ? client : rootChild;
}

std::vector<Window> clientWindows(Display *display, Window root)
{
    std::vector<Window> windows = childWindows(display, root);
    for (Window &window : windows)
        window = clientWindow(display, window);
    return windows;
}

} // namespace platform::x11
