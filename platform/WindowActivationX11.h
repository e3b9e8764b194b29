#pragma once

#include "platform/WindowActivation.h"

#include <QByteArray>
#include <QDeadlineTimer>
#include <memory>
#include <optional>

class QSocketNotifier;
struct _XDisplay;

namespace platform
{

// Activation on the X display: the program's window is the one whose _NET_WM_PID is the process id,
// among the window manager's clients where it announces itself (openbox), else among the program
// windows of the root's children, looked for inside the frames of a window manager that does not
// announce itself (twm). An announcing window manager is asked to activate the window
// (_NET_ACTIVE_WINDOW); otherwise the window is raised and given the input focus directly, or
// mapped again when twm minimised it. The display connection is opened on first use and kept.
// A process started without a window yet is awaited through the root window's events, read in the
// program's event loop: its first window shown within a bound is activated (a window manager that
// gives new windows the focus does so too; twm and no window manager do not).
class X11WindowActivator : public WindowActivator
{
public:
    // displayName: as for XOpenDisplay; empty takes $DISPLAY.
    explicit X11WindowActivator(QByteArray displayName = {});
    ~X11WindowActivator() override;
    X11WindowActivator(const X11WindowActivator &) = delete;
    X11WindowActivator &operator=(const X11WindowActivator &) = delete;

    bool activate(qint64 processId) override;
    void activateOnceShown(qint64 processId) override;

private:
    struct Awaited {
        qint64 processId;
        QDeadlineTimer bound;
    };

    _XDisplay *display();
    void watchRoot(bool watched);
    void rootChanged();

    QByteArray m_displayName;
    _XDisplay *m_display = nullptr;
    std::optional<Awaited> m_awaited;
    std::unique_ptr<QSocketNotifier> m_rootEvents;
};

} // namespace platform
