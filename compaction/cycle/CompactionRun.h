#pragma once

#include "compaction/cycle/CompactionSteps.h"
#include "compaction/cycle/CycleCaller.h"

#include <QStringList>

namespace compaction
{

// Ended: the program was ended while the run yielded; nothing more was done or shown.
enum class Outcome { Completed, Stopped, Ended };

// The outcome text of a run that completed or stopped.
QString outcomeText(Outcome outcome);

// Compacts the sources one after the other under the wait cursor, keeping one backup of each,
// and stops at the first compaction that fails. Before each database it hands control to the
// event loop once, so the window repaints and takes clicks. A backup that cannot replace the old
// one is not reported: the database is compacted all the same and the old backup stays.
// Lines and hooks name each database by its path as it lies on disk.
Outcome runCompaction(const QStringList &sources, CycleCaller &caller, CompactionSteps &steps);

} // namespace compaction
