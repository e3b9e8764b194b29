#pragma once

#include <QString>

namespace compaction
{

// What a run does to the files of one database, in the order it calls them. Each step throws
// platform::Failure when it fails. The disk implementation is DiskCompactionSteps; a test can
// wrap it to stop the process between two steps.
class CompactionSteps
{
public:
    virtual ~CompactionSteps() = default;

    // The engine's compaction of the source where it lies, the contents that it held kept aside
    // for the backup. Fails, leaving the source and the backup as they were, when the database
    // cannot be compacted, or when a file that is none of the suite's lies at the work-copy path.
    virtual void compact(const QString &source, const QString &workCopy, const QString &backup) = 0;

    // Puts the contents kept aside by the last compaction in the backup's place, in one step
    // that replaces the old backup; fails, leaving the old backup, when it cannot.
    virtual void keepBackup() = 0;
};

} // namespace compaction
