#pragma once

#include <QByteArray>

struct _XDisplay;

namespace platform::x11
{

// A connection to an X display, opened on first use and kept until it is destroyed.
class Connection
{
public:
    // displayName: as for XOpenDisplay; empty takes $DISPLAY.
    explicit Connection(QByteArray displayName);
    ~Connection();
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;

    // Throws platform::Failure when the display cannot be reached.
    _XDisplay *display();

private:
    QByteArray m_displayName;
    _XDisplay *m_display = nullptr;
};

} // namespace platform::x11
