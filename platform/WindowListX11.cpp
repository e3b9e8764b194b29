#include "platform/WindowListX11.h"

#include "platform/X11Support.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <algorithm>

namespace platform
{

namespace
{

QString utf8Name(Display *display, Window window)
{
    Atom actualType = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char *data = nullptr;
    QString name;
    if (XGetWindowProperty(display, window, XInternAtom(display, "_NET_WM_NAME", False), 0, 1L << 16, False,
                           XInternAtom(display, "UTF8_STRING", False), &actualType, &format, &count,
                           &remaining, &data) == Success &&
        format == 8 && data)
        name = QString::fromUtf8(reinterpret_cast<const char *>(data), int(count));
    if (data)
        XFree(data);
    return name;
}

// WM_NAME in whichever encoding its program chose (Latin-1, compound text or UTF-8).
QString legacyName(Display *display, Window window)
{
    XTextProperty text{};
    if (!XGetWMName(display, window, &text) || !text.value)
        return {};
    QString name;
    char **list = nullptr;
    int count = 0;
    if (Xutf8TextPropertyToTextList(display, &text, &list, &count) >= Success && list && count > 0)
        name = QString::fromUtf8(list[0]);
    if (list)
        XFreeStringList(list);
    XFree(text.value);
    return name;
}

QString title(Display *display, Window window)
{
    const QString name = utf8Name(display, window);
    return name.isEmpty() ? legacyName(display, window) : name;
}

// Shown as the desktop understands it: mapped, or minimised by the window manager.
bool visible(Display *display, Window window)
{
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, window, &attributes))
        return false;
    return attributes.map_state != IsUnmapped || x11::wmState(display, window) == IconicState;
}

// The window manager's stacking list where it keeps one, then the root's children from the front
// one to the back one (the only list where no window manager keeps one).
std::vector<Window> stackingOrder(Display *display, Window root)
{
    std::vector<Window> windows;
    if (x11::windowManagerRuns(display, root)) {
        const auto clients = x11::property32(display, root, "_NET_CLIENT_LIST_STACKING", XA_WINDOW);
        windows.assign(clients.rbegin(), clients.rend());
    }
    const std::vector<Window> clients = x11::clientWindows(display, root);
    for (auto client = clients.rbegin(); client != clients.rend(); ++client) {
        if (std::find(windows.begin(), windows.end(), *client) == windows.end())
            windows.push_back(*client);
    }
    return windows;
}

bool takesDeleteRequests(Display *display, Window window, Atom deleteWindow)
{
    Atom *protocols = nullptr;
    int count = 0;
    if (!XGetWMProtocols(display, window, &protocols, &count) || !protocols)
        return false;
    const bool takes = std::find(protocols, protocols + count, deleteWindow) != protocols + count;
    XFree(protocols);
    return takes;
}

} // namespace

X11WindowList::X11WindowList(QByteArray displayName) : m_connection(std::move(displayName)) {}

std::vector<TopLevelWindow> X11WindowList::topLevelWindows()
{
    Display *connection = m_connection.display();
    x11::ErrorTrap trap(connection);
    std::vector<TopLevelWindow> windows;
    for (const Window window : stackingOrder(connection, DefaultRootWindow(connection)))
        windows.push_back({window, title(connection, window), visible(connection, window)});
    // A window that vanished on the way answers nothing: its title stays empty, it is not visible.
    return windows;
}

void X11WindowList::requestClose(WindowHandle window)
{
    Display *connection = m_connection.display();
    x11::ErrorTrap trap(connection);
    const Atom protocols = XInternAtom(connection, "WM_PROTOCOLS", False);
    const Atom deleteWindow = XInternAtom(connection, "WM_DELETE_WINDOW", False);
    if (!takesDeleteRequests(connection, Window(window), deleteWindow))
        return;
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = Window(window);
    event.xclient.message_type = protocols;
    event.xclient.format = 32;
    event.xclient.data.l[0] = long(deleteWindow);
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(connection, Window(window), False, NoEventMask, &event);
    XFlush(connection);
}

} // namespace platform
