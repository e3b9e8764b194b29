#include "ui/ControlEventRelay.h"

#include "ui/Control.h"
#include "ui/Form.h"
#include "ui/InputEvents.h"
#include "ui/Program.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

namespace ui
{

namespace
{

constexpr int enterCharacter = 13;

void raiseKey(const KeyHandler &handler, int &code, int shift)
{
    if (handler)
        runEvent([&] { handler(code, shift); });
}

void raiseKeyPress(const KeyPressHandler &handler, int &keyAscii)
{
    if (handler)
        runEvent([&] { handler(keyAscii); });
}

} // namespace

ControlEventRelay::ControlEventRelay(Control &control) : m_control(control) {}

bool ControlEventRelay::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseMove:
        if (m_control.onMouseMove) {
            const MouseEvent mouse = mouseEvent(static_cast<QMouseEvent *>(event));
            runEvent([&] { m_control.onMouseMove(mouse); });
        }
        break;
    case QEvent::MouseButtonRelease: {
        // Buttons and combo boxes report their clicks themselves (a combo's only on a choice); other
        // kinds click on a left release inside them.
        const auto *mouse = static_cast<QMouseEvent *>(event);
        auto *widget = static_cast<QWidget *>(watched);
        const bool reportsItsClicks =
            qobject_cast<QAbstractButton *>(watched) || qobject_cast<QComboBox *>(watched);
        if (!reportsItsClicks && mouse->button() == Qt::LeftButton &&
            widget->rect().contains(mouse->position().toPoint()))
            m_control.raise(m_control.onClick);
        break;
    }
    case QEvent::MouseButtonDblClick:
        m_control.raise(m_control.onDblClick);
        break;
    case QEvent::FocusIn:
        m_control.raise(m_control.onGotFocus);
        break;
    case QEvent::FocusOut:
        m_control.raise(m_control.onLostFocus);
        break;
    case QEvent::KeyPress:
        if (m_control.takesFocus() && !m_resending)
            return keyPressed(watched, static_cast<QKeyEvent *>(event));
        break;
    case QEvent::KeyRelease:
        if (m_control.takesFocus()) {
            m_control.form().m_controlKey = nullptr;
            auto *key = static_cast<QKeyEvent *>(event);
            int code = keyCode(key->key());
            raiseKey(m_control.onKeyUp, code, shiftState(key->modifiers()));
        }
        break;
    default:
        break;
    }
    return false;
}

bool ControlEventRelay::keyPressed(QObject *watched, QKeyEvent *key)
{
    Form &form = m_control.form();
    form.m_controlKey = key; // the form's own key handler passes over this key when it bubbles up
    int code = keyCode(key->key());
    const int shift = shiftState(key->modifiers());
    if (code != 0) {
        if (form.keyPreview())
            raiseKey(form.onKeyDown, code, shift);
        if (code != 0)
            raiseKey(m_control.onKeyDown, code, shift);
        if (code == 0)
            return true;
    }
    if (key->text().isEmpty())
        return false;
    const int typed = key->text().at(0).unicode();
    int keyAscii = typed;
    if (form.keyPreview())
        raiseKeyPress(form.onKeyPress, keyAscii);
    if (keyAscii != 0)
        raiseKeyPress(m_control.onKeyPress, keyAscii);
    if (keyAscii == 0)
        return true;
    if (keyAscii == enterCharacter && m_control.clickedByEnter()) {
        m_control.click();
        return true;
    }
    if (keyAscii == typed)
        return false;
    // The handler changed the character: the widget gets the new one instead.
    QKeyEvent replaced(QEvent::KeyPress, 0, key->modifiers(), QString(QChar(keyAscii)));
    m_resending = true;
    QCoreApplication::sendEvent(watched, &replaced);
    m_resending = false;
    return true;
}

} // namespace ui
