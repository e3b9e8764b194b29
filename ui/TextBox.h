#pragma once

#include "ui/Alignment.h"
#include "ui/Control.h"

class QLineEdit;
class QPlainTextEdit;

namespace ui
{

// One line (QLineEdit) or, when designed multi-line, several lines with the scroll bars designed.
class TextBox : public Control
{
public:
    TextBox(Form &form, const ControlDesign &design);

    QString text() const override;
    void setText(const QString &text) override;
    bool takesFocus() const override { return true; }

    bool multiLine() const { return m_plain != nullptr; }
    int maxLength() const { return m_maxLength; } // 0: no limit
    void setMaxLength(int maxLength);
    QChar passwordChar() const { return m_passwordChar; } // null: the text is shown
    void setPasswordChar(QChar passwordChar);

protected:
    void showLocked() override;

private:
    QLineEdit *m_line = nullptr;
    QPlainTextEdit *m_plain = nullptr;
    int m_maxLength = 0;
    QChar m_passwordChar;
};

} // namespace ui
