#include "ui/KeyboardReturn.h"

#include <QApplication>

namespace ui
{

KeyboardReturn::KeyboardReturn() : m_owner(QApplication::activeWindow()) {}

KeyboardReturn::~KeyboardReturn()
{
    // A window the box's answer closed, or another modal box opened since, keeps what it has.
    if (!m_owner || !m_owner->isVisible() || QApplication::activePopupWidget())
        return;
    if (const QWidget *modal = QApplication::activeModalWidget(); modal && modal != m_owner)
        return;
    m_owner->activateWindow();
}

} // namespace ui
