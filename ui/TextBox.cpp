#include "ui/TextBox.h"

#include <QLineEdit>
#include <QPlainTextEdit>

namespace ui
{

namespace
{
QWidget *makeEditor(QWidget *parent, const ControlDesign &design)
{
    if (!design.multiLine)
        return new QLineEdit(parent);
    auto *editor = new QPlainTextEdit(parent);
    // Tab goes on to the window's next control: a text box takes no tab character.
    editor->setTabChangesFocus(true);
    const bool vertical = design.scrollBars == ScrollBars::Vertical || design.scrollBars == ScrollBars::Both;
    const bool horizontal =
        design.scrollBars == ScrollBars::Horizontal || design.scrollBars == ScrollBars::Both;
    editor->setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    editor->setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    if (horizontal)
        editor->setLineWrapMode(QPlainTextEdit::NoWrap);
    return editor;
}
} // namespace

TextBox::TextBox(Form &form, const ControlDesign &design)
    : Control(form, design, ControlKind::TextBox, makeEditor(parentWidget(form, design), design))
{
    m_line = qobject_cast<QLineEdit *>(widget());
    m_plain = qobject_cast<QPlainTextEdit *>(widget());
    if (m_line)
        QObject::connect(m_line, &QLineEdit::textChanged, context(), [this] { raise(onChange); });
    else
        QObject::connect(m_plain, &QPlainTextEdit::textChanged, context(), [this] { raise(onChange); });
    setBackColour(WindowBackground);
    setForeColour(WindowText);
}

// Lines are kept with carriage return and line feed, the way the programs join them.
QString TextBox::text() const
{
    if (m_line)
        return m_line->text();
    return m_plain->toPlainText().replace(QLatin1Char('\n'), QLatin1String("\r\n"));
}

void TextBox::setText(const QString &text)
{
    if (m_line) {
        m_line->setText(text);
        return;
    }
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    m_plain->setPlainText(shown);
}

void TextBox::setMaxLength(int maxLength)
{
    m_maxLength = maxLength;
    if (m_line)
        m_line->setMaxLength(maxLength > 0 ? maxLength : 32767);
}

void TextBox::setPasswordChar(QChar passwordChar)
{
    m_passwordChar = passwordChar;
    if (!m_line)
        return;
    m_line->setEchoMode(passwordChar.isNull() ? QLineEdit::Normal : QLineEdit::Password);
    // The platform's own mask is a dot; the box shows the character it was given.
    m_line->setStyleSheet(
        passwordChar.isNull()
            ? QString()
            : QStringLiteral("QLineEdit { lineedit-password-character: %1 }").arg(passwordChar.unicode()));
}

void TextBox::showLocked()
{
    if (m_line)
        m_line->setReadOnly(locked());
    else
        m_plain->setReadOnly(locked());
}

} // namespace ui
