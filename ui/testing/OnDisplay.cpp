#include "ui/testing/OnDisplay.h"

#include "ui/Form.h"

#include <QApplication>
#include <QThread>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

namespace ui::testing
{

namespace
{
constexpr int boundMs = 20000;
constexpr int stepMs = 10;
constexpr int moveBoundMs = 2000;
} // namespace

RealBoxes::RealBoxes(std::function<void()> answer)
    : m_answer(std::move(answer)), m_previous(installDialogs(this))
{
}

RealBoxes::~RealBoxes()
{
    installDialogs(m_previous);
}

Answer RealBoxes::message(const QString &text, MessageButtons buttons, const QString &title)
{
    m_texts << text;
    QTimer::singleShot(0, [this] { answerOnceShown(); });
    return m_real.message(text, buttons, title);
}

std::optional<QString> RealBoxes::input(const QString &prompt, const QString &title,
                                        const QString &defaultText)
{
    m_texts << prompt;
    QTimer::singleShot(0, [this] { answerOnceShown(); });
    return m_real.input(prompt, title, defaultText);
}

void RealBoxes::setMousePointer(MousePointer pointer)
{
    m_real.setMousePointer(pointer);
}

// Runs inside the box's own wait.
void RealBoxes::answerOnceShown()
{
    for (int waited = 0; waited < boundMs; waited += stepMs) {
        QWidget *box = QApplication::activeModalWidget();
        if (box && box->isActiveWindow()) {
            m_answer();
            return;
        }
        QApplication::processEvents();
        QThread::msleep(stepMs);
    }
    ADD_FAILURE() << "the box \"" << m_texts.last().toStdString() << "\" never got the keyboard";
    if (QWidget *box = QApplication::activeModalWidget())
        box->close();
}

QString focusedControl(const Form &form)
{
    const QWidget *focus = QApplication::focusWidget();
    if (!focus || focus->window() != form.window() || !form.window()->isActiveWindow())
        return {};
    // A control's own widget, or one inside it (the text part of a combo box).
    for (const QWidget *widget = focus; widget; widget = widget->parentWidget())
        for (const Control *control : form.controls())
            if (control->widget() == widget)
                return control->index() < 0
                           ? control->name()
                           : QStringLiteral("%1(%2)").arg(control->name()).arg(control->index());
    return {};
}

::testing::AssertionResult keyboardIn(const Form &form, const QString &control)
{
    for (int waited = 0; waited < boundMs && focusedControl(form) != control; waited += stepMs) {
        QApplication::processEvents();
        QThread::msleep(stepMs);
    }
    const QString focused = focusedControl(form);
    if (focused == control)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "the keyboard is in \"" << focused.toStdString() << "\", not in " << control.toStdString();
}

QStringList focusWalk(const Form &form, const std::function<void()> &press, int presses)
{
    QStringList reached;
    for (int i = 0; i < presses; ++i) {
        const QString before = focusedControl(form);
        press();
        // The focus moves as the key is handled; a key that keeps it is seen at the bound.
        for (int waited = 0; waited < moveBoundMs && focusedControl(form) == before; waited += stepMs) {
            QApplication::processEvents();
            QThread::msleep(stepMs);
        }
        reached << focusedControl(form);
    }
    return reached;
}

} // namespace ui::testing
