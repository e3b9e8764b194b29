#include "ui/testing/ScriptedDialogs.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace ui::testing
{

namespace
{

const char *kindName(ScriptedDialogs::Kind kind)
{
    return kind == ScriptedDialogs::Kind::Message ? "message box" : "input box";
}

bool buttonsGive(MessageButtons buttons, Answer answer)
{
    switch (buttons) {
    case MessageButtons::Ok:
        return answer == Answer::Ok;
    case MessageButtons::OkCancel:
        return answer == Answer::Ok || answer == Answer::Cancel;
    case MessageButtons::YesNo:
        return answer == Answer::Yes || answer == Answer::No;
    }
    return false;
}

} // namespace

ScriptedDialogs::ScriptedDialogs() : m_previous(installDialogs(this)) {}

ScriptedDialogs::~ScriptedDialogs()
{
    installDialogs(m_previous);
    for (const Expected &expected : m_expected)
        ADD_FAILURE() << "expected " << kindName(expected.kind) << " was never shown"
                      << (expected.text ? " : " + expected.text->toStdString() : std::string());
}

void ScriptedDialogs::expectMessage(Answer answer, const std::optional<QString> &text)
{
    m_expected.push_back({Kind::Message, answer, std::nullopt, text});
}

void ScriptedDialogs::expectInput(const std::optional<QString> &answer, const std::optional<QString> &prompt)
{
    m_expected.push_back({Kind::Input, Answer::Ok, answer, prompt});
}

QStringList ScriptedDialogs::texts() const
{
    QStringList texts;
    for (const Shown &shown : m_shown)
        texts.append(shown.text);
    return texts;
}

ScriptedDialogs::Expected ScriptedDialogs::next(Kind kind, const QString &text)
{
    if (m_expected.empty()) {
        ADD_FAILURE() << "unexpected " << kindName(kind) << " : " << text.toStdString();
        throw UnexpectedDialog();
    }
    Expected expected = m_expected.front();
    m_expected.pop_front();
    if (expected.kind != kind) {
        ADD_FAILURE() << "expected " << kindName(expected.kind) << ", got " << kindName(kind) << " : "
                      << text.toStdString();
        throw UnexpectedDialog();
    }
    if (expected.text && *expected.text != text)
        ADD_FAILURE() << kindName(kind) << " shows \"" << text.toStdString() << "\", expected \""
                      << expected.text->toStdString() << "\"";
    return expected;
}

Answer ScriptedDialogs::message(const QString &text, MessageButtons buttons, const QString &title)
{
    m_shown.push_back({Kind::Message, text, titleOrProgramTitle(title), buttons, QString()});
    const Expected expected = next(Kind::Message, text);
    if (!buttonsGive(buttons, expected.answer)) {
        ADD_FAILURE() << "message box \"" << text.toStdString() << "\" cannot give the scripted answer";
        throw UnexpectedDialog();
    }
    return expected.answer;
}

std::optional<QString> ScriptedDialogs::input(const QString &prompt, const QString &title,
                                              const QString &defaultText)
{
    m_shown.push_back(
        {Kind::Input, prompt, titleOrProgramTitle(title), MessageButtons::OkCancel, defaultText});
    return next(Kind::Input, prompt).input;
}

void ScriptedDialogs::setMousePointer(MousePointer pointer)
{
    m_pointers.push_back(pointer);
}

} // namespace ui::testing
