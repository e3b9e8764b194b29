#include "platform/WindowActivationX11.h"

#include <QFile>
#include <QSocketNotifier>
// After Qt: Xlib defines macros that clash with Qt's names.
#include "platform/X11Support.h"
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <cerrno>
#include <climits>
#include <optional>
#include <signal.h>
#include <vector>

namespace platform
{

namespace
{

// A started program shows its first window within this bound, or takes the focus no more.
constexpr int firstWindowBoundMs = 20000;

// A process that still runs: it exists and is no zombie waiting to be reaped.
bool processRuns(qint64 processId)
{
    if (processId <= 0 || processId > INT_MAX)
        return false;
    if (kill(static_cast<pid_t>(processId), 0) != 0 && errno != EPERM)
        return false;
    QFile stat(QStringLiteral("/proc/%1/stat").arg(processId));
    if (!stat.open(QIODevice::ReadOnly))
        return true;
    const QByteArray line = stat.readAll();
    const qsizetype nameEnd = line.lastIndexOf(')');
    const char state = nameEnd >= 0 && nameEnd + 2 < line.size() ? line.at(nameEnd + 2) : 'R';
    return state != 'Z' && state != 'X';
}

using x11::ErrorTrap;
using x11::windowManagerRuns;

bool isViewable(Display *display, Window window)
{
    XWindowAttributes attributes;
    return XGetWindowAttributes(display, window, &attributes) && attributes.map_state == IsViewable;
}

// The program windows: the window manager's client list where it announces one, else the program
// window of each child of the root, found inside the frame of a window manager that does not
// announce itself (twm).
std::vector<Window> programWindows(Display *display, Window root, bool managed)
{
    if (managed) {
        const auto clients = x11::property32(display, root, "_NET_CLIENT_LIST", XA_WINDOW);
        if (!clients.empty())
            return std::vector<Window>(clients.begin(), clients.end());
    }
    return x11::clientWindows(display, root);
}

// Where no window manager answers activation requests, a window can be brought to the front when
// it is shown, or minimised by a window manager that frames windows (twm).
bool canBeBroughtForward(Display *display, Window window)
{
    return isViewable(display, window) || x11::wmState(display, window) == IconicState;
}

std::optional<Window> windowOfProcess(Display *display, Window root, qint64 processId, bool managed)
{
    ErrorTrap trap(display);
    for (const Window window : programWindows(display, root, managed)) {
        const auto pid = x11::property32(display, window, "_NET_WM_PID", XA_CARDINAL);
        if (pid.empty() || static_cast<qint64>(pid.front()) != processId)
            continue;
        if (managed || canBeBroughtForward(display, window))
            return window;
    }
    return std::nullopt;
}

// Raises a shown window and gives it the focus; a window manager that frames it turns the raise
// into a raise of its frame. A minimised window is mapped again, which asks its window manager to
// restore it; the focus follows that manager's own rule then.
void bringForward(Display *display, Window window)
{
    if (isViewable(display, window)) {
        XRaiseWindow(display, window);
        XSetInputFocus(display, window, RevertToParent, CurrentTime);
    } else {
        XMapRaised(display, window);
    }
}

void askWindowManager(Display *display, Window root, Window window)
{
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "_NET_ACTIVE_WINDOW", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = 2; // asked by a pager-like program: the user's own request
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, root, False, SubstructureRedirectMask | SubstructureNotifyMask, &event);
}

} // namespace

X11WindowActivator::X11WindowActivator(QByteArray displayName) : m_displayName(std::move(displayName)) {}

X11WindowActivator::~X11WindowActivator()
{
    m_rootEvents.reset(); // before the connection it reads
    if (m_display)
        XCloseDisplay(m_display);
}

bool X11WindowActivator::activate(qint64 processId)
{
    if (!processRuns(processId))
        return false;
    Display *connection = display();
    if (!connection)
        return false;
    const Window root = DefaultRootWindow(connection);
    const bool managed = windowManagerRuns(connection, root);
    const auto window = windowOfProcess(connection, root, processId, managed);
    if (!window)
        return false;
    ErrorTrap trap(connection);
    if (managed)
        askWindowManager(connection, root, *window);
    else
        bringForward(connection, *window);
    return !trap.failed();
}

void X11WindowActivator::activateOnceShown(qint64 processId)
{
    m_awaited.reset();
    if (activate(processId) || !processRuns(processId) || !display())
        return;
    m_awaited = Awaited{processId, QDeadlineTimer(firstWindowBoundMs)};
    watchRoot(true);
}

// Windows mapped on the root (no window manager, or a manager's frames) and its properties (the
// client list of a manager that announces itself) tell when the awaited window may have come.
void X11WindowActivator::watchRoot(bool watched)
{
    Display *connection = display();
    XSelectInput(connection, DefaultRootWindow(connection),
                 watched ? SubstructureNotifyMask | PropertyChangeMask : NoEventMask);
    XFlush(connection);
    if (watched && !m_rootEvents) {
        m_rootEvents = std::make_unique<QSocketNotifier>(ConnectionNumber(connection), QSocketNotifier::Read);
        QObject::connect(m_rootEvents.get(), &QSocketNotifier::activated, m_rootEvents.get(),
                         [this] { rootChanged(); });
    }
}

void X11WindowActivator::rootChanged()
{
    Display *connection = display();
    // The requests of an activation read on the connection too: the events they brought are seen
    // before waiting on the socket again.
    do {
        while (XPending(connection)) {
            XEvent event;
            XNextEvent(connection, &event);
        }
        if (!m_awaited)
            return;
        const qint64 processId = m_awaited->processId;
        if (m_awaited->bound.hasExpired() || !processRuns(processId) || activate(processId)) {
            m_awaited.reset();
            watchRoot(false);
            return;
        }
    } while (XEventsQueued(connection, QueuedAlready) > 0);
}

_XDisplay *X11WindowActivator::display()
{
    if (!m_display)
        m_display = XOpenDisplay(m_displayName.isEmpty() ? nullptr : m_displayName.constData());
    return m_display;
}

} // namespace platform
