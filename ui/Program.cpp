#include "ui/Program.h"

#include "platform/Failure.h"
#include "platform/FileFailure.h"
#include "ui/Dialogs.h"
#include "ui/Form.h"
#include "ui/PopupFocusGuard.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <new>
#include <optional>
#include <system_error>

namespace ui
{

namespace
{
bool inEventLoop = false;
bool reportingFailure = false;
std::optional<int> endCode;
} // namespace

void installToolkitTranslations()
{
    static QTranslator *french = nullptr;
    if (french)
        return;
    french = new QTranslator(QCoreApplication::instance());
    // Without the translations installed the texts stay Qt's English ones: no reason to stop.
    if (french->load(QStringLiteral("qtbase_fr"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(french);
}

int runProgram(const std::function<void()> &start)
{
    installToolkitTranslations();
    installPopupFocusGuard();
    endCode.reset();
    runEvent(start);
    if (endCode)
        return *endCode;
    if (loadedForms().empty())
        return 0; // nothing to wait for
    inEventLoop = true;
    const int code = QApplication::exec();
    inEventLoop = false;
    return endCode.value_or(code);
}

QString runtimeErrorText(int number, const QString &description)
{
    return QStringLiteral("Erreur d'exécution '%1' :\n\n%2").arg(number).arg(description);
}

platform::Failure reportedFailure(const std::exception &failure)
{
    if (const auto *known = dynamic_cast<const platform::Failure *>(&failure))
        return *known;
    if (const auto *system = dynamic_cast<const std::system_error *>(&failure);
        system && (system->code().category() == std::generic_category() ||
                   system->code().category() == std::system_category()))
        return platform::fileFailure(QStringLiteral("Erreur du système"), QString(), system->code().value());
    if (dynamic_cast<const std::bad_alloc *>(&failure))
        return platform::Failure(QStringLiteral("Mémoire insuffisante"), 7);
    return platform::Failure(
        QStringLiteral("Erreur interne du programme (%1)").arg(QString::fromLocal8Bit(failure.what())));
}

void endWithRuntimeError(const std::exception &failure)
{
    if (reportingFailure)
        return; // one report: a failure while the first is shown only ends the program
    reportingFailure = true;
    try {
        const platform::Failure reported = reportedFailure(failure);
        dialogs().message(runtimeErrorText(reported.number(), reported.description()));
    } catch (...) {
        // The report itself failed: the program still has to end.
    }
    reportingFailure = false;
    endProgram(1);
}

void endProgram(int exitCode)
{
    if (!endCode)
        endCode = exitCode;
    const std::vector<Form *> forms = loadedForms();
    for (Form *form : forms)
        form->discard();
    if (inEventLoop)
        QCoreApplication::exit(*endCode);
}

void runEvent(const std::function<void()> &handler)
{
    try {
        handler();
    } catch (const std::exception &failure) {
        endWithRuntimeError(failure);
    }
}

namespace detail
{
void quitWhenNoForms()
{
    if (inEventLoop && loadedForms().empty())
        QCoreApplication::exit(endCode.value_or(0));
}
} // namespace detail

} // namespace ui
