#include "compaction/cycle/CompactionRun.h"

#include "compaction/cycle/CompactionPaths.h"
#include "compaction/cycle/CompactionTexts.h"
#include "platform/CaseResolution.h"
#include "platform/Failure.h"
#include "ui/Dialogs.h"

namespace compaction
{

namespace
{

void putLineOnTop(CycleCaller &caller, const QString &line)
{
    caller.setStatusLog(withLineOnTop(caller.statusLog(), line));
}

} // namespace

QString outcomeText(Outcome outcome)
{
    return outcome == Outcome::Stopped ? kRunStopped : kRunCompleted;
}

Outcome runCompaction(const QStringList &sources, CycleCaller &caller, CompactionSteps &steps)
{
    Outcome outcome = Outcome::Completed;
    ui::dialogs().setMousePointer(ui::MousePointer::Hourglass);
    for (const QString &source : sources) {
        // The lines and hooks name the file as it lies on disk.
        const QString shown = platform::resolveCase(source);
        caller.beforeDatabase(shown);
        ui::doEvents();
        if (caller.programEnded()) {
            outcome = Outcome::Ended;
            break;
        }
        try {
            steps.compact(source, workCopyPath(source), backupPath(source));
        } catch (const platform::Failure &failure) {
            putLineOnTop(caller, failureLine(shown));
            caller.compactionFailed(shown, failure.description());
            outcome = Outcome::Stopped;
            break;
        }
        putLineOnTop(caller, successLine(shown));
        try {
            steps.keepBackup();
        } catch (const platform::Failure &) {
            // The database is compacted; the old backup stays, and nothing tells the user.
        }
    }
    ui::dialogs().setMousePointer(ui::MousePointer::Default);
    if (outcome != Outcome::Ended)
        caller.finished(outcomeText(outcome));
    return outcome;
}

} // namespace compaction
