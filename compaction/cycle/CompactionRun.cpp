#include "compaction/cycle/CompactionRun.h"

#include "compaction/cycle/CompactionPaths.h"
#include "compaction/cycle/CompactionTexts.h"
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

// The swap after a good compaction. An old backup that cannot be deleted makes the new one fail, so the
// source stays as it was beside its work copy; no failure here reaches the user.
void swapInWorkCopy(CompactionSteps &steps, const QString &source, const QString &workCopy,
                    const QString &backup)
{
    try {
        steps.deleteBackup(source, backup);
    } catch (const platform::Failure &) {
        // no backup yet, or one that stays: keeping the backup below tells
    }
    try {
        steps.keepBackup(source, backup);
        steps.replaceSource(workCopy, source);
    } catch (const platform::Failure &) {
        // left as it is: the source uncompacted, the compacted copy at the work-copy path
    }
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
        const QString workCopy = workCopyPath(source);
        const QString backup = backupPath(source);
        caller.beforeDatabase(source);
        ui::doEvents();
        if (caller.programEnded()) {
            outcome = Outcome::Ended;
            break;
        }
        try {
            steps.compact(source, workCopy);
        } catch (const platform::Failure &failure) {
            putLineOnTop(caller, failureLine(source));
            caller.compactionFailed(source, failure.description());
            outcome = Outcome::Stopped;
            break;
        }
        putLineOnTop(caller, successLine(source));
        swapInWorkCopy(steps, source, workCopy, backup);
    }
    ui::dialogs().setMousePointer(ui::MousePointer::Default);
    if (outcome != Outcome::Ended)
        caller.finished(outcomeText(outcome));
    return outcome;
}

} // namespace compaction
