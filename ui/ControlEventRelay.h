#pragma once

#include <QObject>

class QKeyEvent;

namespace ui
{

class Control;

// Turns the Qt events of a control's widget into the control's events, keys through the form's
// key preview first.
class ControlEventRelay : public QObject
{
public:
    explicit ControlEventRelay(Control &control);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool keyPressed(QObject *watched, QKeyEvent *key);

    Control &m_control;
    bool m_resending = false;
};

} // namespace ui
