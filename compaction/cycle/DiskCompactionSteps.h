#pragma once

#include "compaction/cycle/CompactionSteps.h"
#include "storage/Compaction.h"

#include <optional>
#include <sys/types.h>
#include <utility>

namespace compaction
{

// The steps on the disk: the storage engine's compaction (which refuses a database in use and
// flushes the work copy), a hard link as the backup (a flushed copy where the file system has
// no hard links) and an atomic rename over the source.
// From the compaction until the swap is over, or has failed, the source stays marked in use, so
// no program of the suite writes to the file that the swap then replaces.
class DiskCompactionSteps : public CompactionSteps
{
public:
    void compact(const QString &source, const QString &workCopy) override;
    void deleteBackup(const QString &source, const QString &backup) override;
    void keepBackup(const QString &source, const QString &backup) override;
    void replaceSource(const QString &workCopy, const QString &source) override;

protected:
    // The backup as a second name of the source. Tests make it fail as on a file system without
    // hard links.
    virtual void linkBackup(const QString &source, const QString &backup);
    // Removes the source's differently spelt name once the compacted file holds the upper-cased
    // one. Tests stop the process here.
    virtual void removeOldName(const QString &oldName);

private:
    using FileIdentity = std::pair<dev_t, ino_t>;

    std::optional<storage::CompactionHold> m_sourceHold;
    // The source file as the backup of this swap holds it, by a second name or by a copy.
    std::optional<FileIdentity> m_backedUpSource;
};

} // namespace compaction
