#include "platform/X11Connection.h"

#include "platform/Failure.h"

#include <X11/Xlib.h>

namespace platform::x11
{

Connection::Connection(QByteArray displayName) : m_displayName(std::move(displayName)) {}

Connection::~Connection()
{
    if (m_display)
        XCloseDisplay(m_display);
}

_XDisplay *Connection::display()
{
    if (!m_display)
        m_display = XOpenDisplay(m_displayName.isEmpty() ? nullptr : m_displayName.constData());
    if (!m_display) {
        const QByteArray name = m_displayName.isEmpty() ? qgetenv("DISPLAY") : m_displayName;
        throw Failure(QStringLiteral("Affichage X inaccessible : %1").arg(QString::fromLocal8Bit(name)));
    }
    return m_display;
}

} // namespace platform::x11
