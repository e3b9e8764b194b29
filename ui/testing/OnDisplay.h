#pragma once

#include "ui/Dialogs.h"
#include "ui/QtDialogs.h"

#include <QStringList>
#include <functional>
#include <gtest/gtest.h>

class QWidget;

namespace ui
{
class Form;
}

namespace ui::testing
{

// The program's real message and input boxes, for tests on a display: installed while it lives, it
// shows each box as the program would and answers it, once the box has the keyboard, with the
// answer given (a user's Return through the X server, say); it keeps the texts shown. A box that
// never gets the keyboard fails the test and is closed, so that no test waits on it.
class RealBoxes : public Dialogs
{
public:
    explicit RealBoxes(std::function<void()> answer);
    ~RealBoxes() override;

    const QStringList &texts() const { return m_texts; }

    Answer message(const QString &text, MessageButtons buttons, const QString &title) override;
    std::optional<QString> input(const QString &prompt, const QString &title,
                                 const QString &defaultText) override;
    void setMousePointer(MousePointer pointer) override;

private:
    void answerOnceShown();

    std::function<void()> m_answer;
    Dialogs *m_previous;
    QtDialogs m_real;
    QStringList m_texts;
};

// The name of the form's control that has the keyboard ("Opt_Langue(1)" for an element of a
// control array); empty when the keyboard is not in one of its controls or the form is not active.
QString focusedControl(const Form &form);

// Whether the keyboard comes to the form's control of that name, the program's events running
// meanwhile (a generous bound); a failure says where it is instead.
::testing::AssertionResult keyboardIn(const Form &form, const QString &control);

// The controls that the keyboard goes to, one for each of so many presses of a key (press: a user's
// key through the X server, say), from the control that has it now.
QStringList focusWalk(const Form &form, const std::function<void()> &press, int presses);

} // namespace ui::testing
