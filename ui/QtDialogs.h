#pragma once

#include "ui/Dialogs.h"

#include <memory>

class QMessageBox;
class QWidget;

namespace ui
{

// The box that QtDialogs::message shows: the text, the buttons asked for and the title (the
// program's when empty), over the window given, at least as wide as that title needs, before it is
// shown.
std::unique_ptr<QMessageBox> messageBox(const QString &text, MessageButtons buttons, const QString &title,
                                        QWidget *parent = nullptr);

// Modal Qt message and input boxes, and the override cursor.
class QtDialogs : public Dialogs
{
public:
    Answer message(const QString &text, MessageButtons buttons, const QString &title) override;
    std::optional<QString> input(const QString &prompt, const QString &title,
                                 const QString &defaultText) override;
    void setMousePointer(MousePointer pointer) override;

private:
    bool m_hourglass = false;
};

} // namespace ui
