#pragma once

#include <QString>
#include <QtGlobal>
#include <vector>

namespace platform
{

using WindowHandle = quint64;

struct TopLevelWindow {
    WindowHandle handle = 0;
    QString title; // empty when the window has none
    bool visible = false;
};

// The top-level windows of the desktop, whoever owns them. Callers hold a WindowList so that tests
// can replace it.
class WindowList
{
public:
    virtual ~WindowList() = default;

    // Every top-level window, hidden ones included, in stacking order with the front one first.
    // Throws platform::Failure when the window system cannot be reached.
    virtual std::vector<TopLevelWindow> topLevelWindows() = 0;

    // Asks the window to close, as its close button would, and returns at once: whether it closes
    // is up to its program. A window that has gone meanwhile is no failure.
    virtual void requestClose(WindowHandle window) = 0;
};

} // namespace platform
