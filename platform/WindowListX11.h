#pragma once

#include "platform/WindowList.h"
#include "platform/X11Connection.h"

namespace platform
{

// The top-level windows of the X display. Where a window manager runs they are its clients in
// its stacking order (_NET_CLIENT_LIST_STACKING), followed by the root's other children (windows
// it does not manage, such as withdrawn ones); where none runs or it keeps no such list, the
// root's children, front first. A frame of the window manager stands for the program window in
// it (the one it marked with WM_STATE). Titles are _NET_WM_NAME, else WM_NAME. A close request is the
// WM_DELETE_WINDOW message, sent to the windows that take it.
class X11WindowList : public WindowList
{
public:
    // displayName: as for XOpenDisplay; empty takes $DISPLAY.
    explicit X11WindowList(QByteArray displayName = {});

    std::vector<TopLevelWindow> topLevelWindows() override;
    void requestClose(WindowHandle window) override;

private:
    x11::Connection m_connection;
};

} // namespace platform
