#pragma once

#include "platform/WindowActivation.h"

#include <QByteArray>

struct _XDisplay;

namespace platform
{

// Activation on the X display: the program's window is the one whose _NET_WM_PID is the process id,
// among the window manager's clients where it announces itself (openbox), else among the program
// windows of the root's children, looked for inside the frames of a window manager that does not
// announce itself (twm). An announcing window manager is asked to activate the window
// (_NET_ACTIVE_WINDOW); otherwise the window is raised and given the input focus directly, or
// mapped again when twm minimised it. The display connection is opened on first use and kept.
class X11WindowActivator : public WindowActivator
{
public:
    // displayName: as for XOpenDisplay; empty takes $DISPLAY.
    explicit X11WindowActivator(QByteArray displayName = {});
    ~X11WindowActivator() override;
    X11WindowActivator(const X11WindowActivator &) = delete;
    X11WindowActivator &operator=(const X11WindowActivator &) = delete;

    bool activate(qint64 processId) override;

private:
    _XDisplay *display();

    QByteArray m_displayName;
    _XDisplay *m_display = nullptr;
};

} // namespace platform
