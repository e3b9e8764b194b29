#pragma once

#include "compaction/cycle/CompactionSteps.h"
#include "storage/Compaction.h"

#include <optional>

namespace compaction
{

// The steps on the disk: the storage engine's compaction (which refuses a database in use and
// flushes the work copy), a hard link as the backup and an atomic rename over the source.
// From the compaction until the swap is over, or has failed, the source stays marked in use, so
// no program of the suite writes to the file that the swap then replaces.
class DiskCompactionSteps : public CompactionSteps
{
public:
    void compact(const QString &source, const QString &workCopy) override;
    void deleteBackup(const QString &backup) override;
    void keepBackup(const QString &source, const QString &backup) override;
    void replaceSource(const QString &workCopy, const QString &source) override;

private:
    std::optional<storage::CompactionHold> m_sourceHold;
};

} // namespace compaction
