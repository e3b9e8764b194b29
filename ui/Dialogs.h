#pragma once

#include <QString>
#include <optional>

namespace ui
{

enum class MessageButtons { Ok, OkCancel, YesNo };
enum class Answer { Ok, Cancel, Yes, No };
enum class MousePointer { Default = 0, Hourglass = 11 };

// Message boxes, input boxes and the mouse pointer: the program's waits on the user go through
// here, so that tests can answer them.
class Dialogs
{
public:
    virtual ~Dialogs() = default;

    // An empty title stands for the program's title.
    virtual Answer message(const QString &text, MessageButtons buttons = MessageButtons::Ok,
                           const QString &title = QString()) = 0;
    // The typed text, or nullopt on Cancel (callers wanting the platform's "" use value_or).
    virtual std::optional<QString> input(const QString &prompt, const QString &title = QString(),
                                         const QString &defaultText = QString()) = 0;
    // Application-wide pointer: the hourglass during long work, then the default one.
    virtual void setMousePointer(MousePointer pointer) = 0;
};

// The dialogs the program uses: the Qt ones unless a test installed its own.
Dialogs &dialogs();
// Installs dialogs for the program (null restores the Qt ones); returns the previous ones.
Dialogs *installDialogs(Dialogs *dialogs);

// The program's title (App.Title): the application name.
QString programTitle();
QString titleOrProgramTitle(const QString &title);

// Hands control to the event loop once (DoEvents).
void doEvents();

} // namespace ui
