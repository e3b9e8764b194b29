#include "ui/KeyboardReturn.h"

#include <QApplication>

namespace ui
{

namespace
{
// The window given back the keyboard last: a box opened before the window system has done so (the
// next box of a run) belongs to it as well.
QPointer<QWidget> returning;
} // namespace

KeyboardReturn::KeyboardReturn() : m_owner(QApplication::activeWindow())
{
    if (!m_owner && returning && returning->isVisible())
        m_owner = returning;
}

KeyboardReturn::~KeyboardReturn()
{
    // A window the box's answer closed, or another modal box opened since, keeps what it has.
    if (!m_owner || !m_owner->isVisible() || QApplication::activePopupWidget())
        return;
    if (const QWidget *modal = QApplication::activeModalWidget(); modal && modal != m_owner)
        return;
    m_owner->activateWindow();
    returning = m_owner;
}

} // namespace ui
