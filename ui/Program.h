#pragma once

#include "platform/Failure.h"

#include <QString>
#include <exception>
#include <functional>

namespace ui
{

// The toolkit's own texts (dialog buttons: "Oui", "Non", "Annuler") in French, the suite's
// language, from Qt's translations where the system has them. Once per process; runProgram calls it.
void installToolkitTranslations();

// Runs a program: its start (typically the start-up form's show, which loads it), then the event
// loop until the last form closes. It first puts the toolkit's texts in French and guards the
// pop-ups against a window manager's focus moves (installPopupFocusGuard). A failure that nothing traps, in
// the start or in any event, shows the run-time error report and ends the program: the result is then
// non-zero.
int runProgram(const std::function<void()> &start);

// The report of an untrapped failure: "Erreur d'exécution '<number>' :" and the description.
QString runtimeErrorText(int number, const QString &description);

// An untrapped failure as the report describes it: a platform::Failure as it stands; a system
// error by its French cause, the system's text in brackets; lack of memory as "Mémoire
// insuffisante" (7); anything else as an internal error of the program, its own text in brackets.
platform::Failure reportedFailure(const std::exception &failure);

// Shows the run-time error report for the failure and ends the program with exit code 1.
void endWithRuntimeError(const std::exception &failure);

// Ends the program at once (End): every form disappears without its events; the event loop, when
// running, returns exitCode.
void endProgram(int exitCode = 0);

// Runs an event handler; an untrapped failure in it ends the program through endWithRuntimeError.
void runEvent(const std::function<void()> &handler);

namespace detail
{
// Ends the event loop once the last loaded form has gone.
void quitWhenNoForms();
} // namespace detail

} // namespace ui
