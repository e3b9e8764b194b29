#include "ui/QtDialogs.h"

#include "ui/KeyboardReturn.h"
#include "ui/TitleWidth.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

namespace ui
{

std::unique_ptr<QMessageBox> messageBox(const QString &text, MessageButtons buttons, const QString &title,
                                        QWidget *parent)
{
    QMessageBox::StandardButtons shown = QMessageBox::Ok;
    if (buttons == MessageButtons::OkCancel)
        shown = QMessageBox::Ok | QMessageBox::Cancel;
    else if (buttons == MessageButtons::YesNo)
        shown = QMessageBox::Yes | QMessageBox::No;
    auto box =
        std::make_unique<QMessageBox>(QMessageBox::NoIcon, titleOrProgramTitle(title), text, shown, parent);
    keepTitleWhole(*box);
    return box;
}

Answer QtDialogs::message(const QString &text, MessageButtons buttons, const QString &title)
{
    const KeyboardReturn keyboardReturn;
    const auto box = messageBox(text, buttons, title, keyboardReturn.owner());
    switch (box->exec()) {
    case QMessageBox::Ok:
        return Answer::Ok;
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Cancel:
        return Answer::Cancel;
    default: // closed without a button: the box's refusal
        return buttons == MessageButtons::Ok      ? Answer::Ok
               : buttons == MessageButtons::YesNo ? Answer::No
                                                  : Answer::Cancel;
    }
}

std::optional<QString> QtDialogs::input(const QString &prompt, const QString &title,
                                        const QString &defaultText)
{
    const KeyboardReturn keyboardReturn;
    QInputDialog box(keyboardReturn.owner());
    box.setWindowTitle(titleOrProgramTitle(title));
    box.setLabelText(prompt);
    box.setTextValue(defaultText);
    if (box.exec() != QDialog::Accepted)
        return std::nullopt;
    return box.textValue();
}

void QtDialogs::setMousePointer(MousePointer pointer)
{
    const bool hourglass = pointer == MousePointer::Hourglass;
    if (hourglass == m_hourglass)
        return;
    if (hourglass)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
    m_hourglass = hourglass;
}

} // namespace ui
