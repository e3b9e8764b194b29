#include "launcher/autocompact/M_Pressolite.h"

#include "compaction/cycle/CompactionPaths.h"
#include "compaction/cycle/CompactionRun.h"
#include "compaction/cycle/CompactionTexts.h"
#include "compaction/cycle/DiskCompactionSteps.h"
#include "compaction/cycle/FindDatabases.h"
#include "compaction/cycle/StatusBoxCaller.h"
#include "platform/Failure.h"
#include "ui/TextBox.h"

namespace autocompact
{

namespace
{

// No progress and no box: the outcome replaces the lines of the run.
class SilentCaller : public compaction::StatusBoxCaller
{
public:
    using StatusBoxCaller::StatusBoxCaller;
    void finished(const QString &outcome) override { setStatusLog(outcome); }
};

} // namespace

void CompactageAuto(services::SharedState &state, ui::TextBox &statusBox)
{
    using namespace compaction;
    state.CheminMDB = normaliseFolder(state.CheminMDB, platform::PathSyntax::host());
    FoundDatabases found;
    try {
        found = findDatabases(state.CheminMDB, Selection::ModuleDatabases);
    } catch (const platform::Failure &failure) {
        // A folder that cannot be listed: said where the outcome goes, since no box may show.
        statusBox.setText(failure.description());
        return;
    }
    if (found.matchingFiles == 0) {
        statusBox.setText(kNoDatabaseFound);
        return;
    }
    SilentCaller caller(statusBox);
    DiskCompactionSteps steps;
    runCompaction(found.sources, caller, steps);
}

} // namespace autocompact
