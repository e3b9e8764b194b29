#include "ui/FormWindow.h"

#include "ui/Form.h"
#include "ui/InputEvents.h"
#include "ui/Program.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMouseEvent>
#include <QWindow>

namespace ui
{

FormWindow::FormWindow(Form &form) : QWidget(nullptr, Qt::Window), m_form(form), m_client(new QWidget(this))
{
    m_client->setMouseTracking(true);
    m_client->installEventFilter(this);
}

QMenuBar *FormWindow::menuBar()
{
    if (!m_menuBar) {
        m_menuBar = new QMenuBar(this);
        m_menuBar->hide();
    }
    return m_menuBar;
}

int FormWindow::menuBarHeight() const
{
    return m_menuBar && !m_menuBar->isHidden() ? m_menuBar->sizeHint().height() : 0;
}

void FormWindow::layoutParts()
{
    const int bar = menuBarHeight();
    if (m_menuBar)
        m_menuBar->setGeometry(0, 0, width(), bar);
    m_client->setGeometry(0, bar, width(), height() - bar);
}

bool FormWindow::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        runEvent([this] { m_form.activated(); });
    return QWidget::event(event);
}

void FormWindow::closeEvent(QCloseEvent *event)
{
    if (m_form.m_unloading || !m_form.isLoaded()) {
        event->accept();
        return;
    }
    event->setAccepted(m_form.closeRequested());
}

// Keys reach here when the form itself has the focus, or when a control let them bubble up; the
// latter were handled with the control.
void FormWindow::keyPressEvent(QKeyEvent *event)
{
    if (event == m_form.m_controlKey) {
        m_form.m_controlKey = nullptr;
        QWidget::keyPressEvent(event);
        return;
    }
    int code = keyCode(event->key());
    if (code != 0 && m_form.onKeyDown)
        runEvent([&] { m_form.onKeyDown(code, shiftState(event->modifiers())); });
    int keyAscii = event->text().isEmpty() ? 0 : event->text().at(0).unicode();
    if (keyAscii != 0 && m_form.onKeyPress)
        runEvent([&] { m_form.onKeyPress(keyAscii); });
}

void FormWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    layoutParts();
    m_form.dockControls();
}

void FormWindow::watchExposure()
{
    if (QWindow *handle = windowHandle())
        handle->installEventFilter(this); // installing twice keeps one filter
}

bool FormWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == windowHandle() && event->type() == QEvent::Expose && windowHandle()->isExposed())
        m_form.exposed();
    if (watched == m_client && event->type() == QEvent::MouseMove && m_form.onMouseMove) {
        const MouseEvent moved = mouseEvent(static_cast<QMouseEvent *>(event));
        runEvent([&] { m_form.onMouseMove(moved); });
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace ui
