#pragma once

#include <QtGlobal>

namespace platform
{

// Brings the main window of a running program to the front and gives it the focus, without
// waiting for that program. Callers hold a WindowActivator so that tests can replace it.
class WindowActivator
{
public:
    virtual ~WindowActivator() = default;

    // True when a window of the process was activated; false (never a failure) for the id 0, a
    // process that has ended and a process without a window.
    virtual bool activate(qint64 processId) = 0;

    // For a process just started in a window that takes the focus: activates its window now, or,
    // when it has none yet, the first one it shows soon after. Never waits.
    virtual void activateOnceShown(qint64 processId) { activate(processId); }
};

} // namespace platform
