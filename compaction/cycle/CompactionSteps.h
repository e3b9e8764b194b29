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

    // The engine's compaction of the source into a new work copy, flushed to disk; the source is
    // left unchanged.
    virtual void compact(const QString &source, const QString &workCopy) = 0;

    // The swap after a good compaction. At every moment between two of these steps the folder
    // holds the database under its own name, the old contents being kept by the backup.
    // Deletes the backup of the source, with any other name that it has under a spelling of the
    // source's name.
    virtual void deleteBackup(const QString &source, const QString &backup) = 0;
    // The backup of the source, complete under its name (a second name of the source, or a flushed
    // copy where the file system has no hard links); fails when the backup still exists.
    virtual void keepBackup(const QString &source, const QString &backup) = 0;
    // Puts the work copy in the source's place in one step, under the source's own name.
    virtual void replaceSource(const QString &workCopy, const QString &source) = 0;
};

} // namespace compaction
