#pragma once

#include "platform/WindowActivation.h"

#include <QByteArray>

struct _XDisplay;

namespace platform
{

// Activation on the X display: the program's window is the top-level window whose _NET_WM_PID is
// the process id. Where a window manager runs it is asked to activate it (_NET_ACTIVE_WINDOW);
// where none does, the window is raised and given the input focus directly. The display
// connection is opened on first use and kept.
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
