#pragma once

#include "compaction/cycle/CompactionSteps.h"
#include "storage/Compaction.h"

#include <memory>

namespace compaction
{

// The steps on the disk: the storage engine's compaction in place (which refuses a database
// that a program of the suite holds open), after a copy of the database as it stood, which
// then replaces the backup. Before that, what killed runs of the suite left for the database is
// cleared (Leftovers.h). The database stays marked in use from the compaction until its backup
// is in place, so that no other run of the suite takes its files for leftovers meanwhile.
class DiskCompactionSteps : public CompactionSteps
{
public:
    void compact(const QString &source, const QString &workCopy, const QString &backup) override;
    void keepBackup() override;

private:
    std::unique_ptr<storage::Compaction> m_compaction;
};

} // namespace compaction
