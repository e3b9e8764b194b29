#pragma once

#include "ui/Dialogs.h"

#include <deque>
#include <optional>
#include <vector>

namespace ui::testing
{

// Thrown at a box the script cannot answer, after the failure is recorded: the code under test must
// not carry on with a made-up answer (a question asked until answered would never end). It is no
// std::exception, so that no error handler of the code under test takes it for its own.
struct UnexpectedDialog {
};

// Dialogs for tests: installed while it lives, it records every box shown and answers from a queue
// of expected boxes. A box nobody expected, or one whose buttons cannot give the scripted answer,
// fails the running test and throws UnexpectedDialog; an expected box never shown fails it too.
class ScriptedDialogs : public Dialogs
{
public:
    enum class Kind { Message, Input };
    struct Shown {
        Kind kind;
        QString text;  // message text or input prompt
        QString title; // as shown: the program's title when none was given
        MessageButtons buttons = MessageButtons::Ok;
        QString defaultText;
    };

    ScriptedDialogs();
    ~ScriptedDialogs() override;

    // Expects a message box, answered with answer; with text given, the box must show it.
    void expectMessage(Answer answer = Answer::Ok, const std::optional<QString> &text = std::nullopt);
    // Expects an input box, answered with the text, or Cancel when nullopt.
    void expectInput(const std::optional<QString> &answer,
                     const std::optional<QString> &prompt = std::nullopt);

    const std::vector<Shown> &shown() const { return m_shown; }
    QStringList texts() const;
    const std::vector<MousePointer> &pointers() const { return m_pointers; }
    bool expectationsMet() const { return m_expected.empty(); }

    Answer message(const QString &text, MessageButtons buttons, const QString &title) override;
    std::optional<QString> input(const QString &prompt, const QString &title,
                                 const QString &defaultText) override;
    void setMousePointer(MousePointer pointer) override;

private:
    struct Expected {
        Kind kind;
        Answer answer = Answer::Ok;
        std::optional<QString> input;
        std::optional<QString> text;
    };
    Expected next(Kind kind, const QString &text);

    Dialogs *m_previous;
    std::deque<Expected> m_expected;
    std::vector<Shown> m_shown;
    std::vector<MousePointer> m_pointers;
};

} // namespace ui::testing
