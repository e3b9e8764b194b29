#include "ui/PopupFocusGuard.h"

#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QGuiApplication>
#include <xcb/xcb.h>

namespace ui
{

namespace
{

class FocusLossDuringGrab : public QAbstractNativeEventFilter
{
public:
    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *) override
    {
        if (eventType != "xcb_generic_event_t")
            return false;
        const auto *event = static_cast<const xcb_generic_event_t *>(message);
        if ((event->response_type & 0x7f) != XCB_FOCUS_OUT)
            return false;
        const auto *focusOut = static_cast<const xcb_focus_out_event_t *>(message);
        // Focus moved by another client while a pop-up is open; the losses that the pop-up's own
        // keyboard grab brings at its start and end reach Qt as ever.
        const bool grabItself =
            focusOut->mode == XCB_NOTIFY_MODE_GRAB || focusOut->mode == XCB_NOTIFY_MODE_UNGRAB;
        return !grabItself && QApplication::activePopupWidget();
    }
};

} // namespace

void installPopupFocusGuard()
{
    static FocusLossDuringGrab *guard = nullptr;
    if (guard || QGuiApplication::platformName() != QLatin1String("xcb"))
        return;
    guard = new FocusLossDuringGrab;
    QCoreApplication::instance()->installNativeEventFilter(guard);
}

} // namespace ui
