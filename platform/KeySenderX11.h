#pragma once

#include "platform/KeySender.h"
#include "platform/X11Connection.h"

namespace platform
{

// Keystrokes for the X display: each key of the notation goes, pressed and released with its
// modifiers in the event's state, to the window that has the input focus (the window under the
// pointer when the focus follows it). A character that no key of the keyboard map gives, or a
// display that cannot be reached, is a platform::Failure.
class X11KeySender : public KeySender
{
public:
    // displayName: as for XOpenDisplay; empty takes $DISPLAY.
    explicit X11KeySender(QByteArray displayName = {});

    void send(const QString &keys) override;

private:
    x11::Connection m_connection;
};

} // namespace platform
