#pragma once

#include "compaction/cycle/CompactionSteps.h"

namespace compaction
{

// The steps on the disk: the storage engine's compaction (which refuses a database in use and
// flushes the work copy), a hard link as the backup and an atomic rename over the source.
class DiskCompactionSteps : public CompactionSteps
{
public:
    void compact(const QString &source, const QString &workCopy) override;
    void deleteBackup(const QString &backup) override;
    void keepBackup(const QString &source, const QString &backup) override;
    void replaceSource(const QString &workCopy, const QString &source) override;
};

} // namespace compaction
