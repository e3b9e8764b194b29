#include "compaction/cycle/DiskCompactionSteps.h"

#include "compaction/cycle/Leftovers.h"
#include "platform/CaseResolution.h"

namespace compaction
{

void DiskCompactionSteps::compact(const QString &source, const QString &workCopy, const QString &backup)
{
    m_compaction.reset();
    // Its failures name the file as it lies on disk.
    auto compaction = std::make_unique<storage::Compaction>(platform::resolveCase(source));
    clearLeftovers(compaction->path(), workCopy, backup);
    compaction->copyBeside(backup);
    compaction->compactInPlace();
    m_compaction = std::move(compaction);
}

void DiskCompactionSteps::keepBackup()
{
    const std::unique_ptr<storage::Compaction> compaction = std::move(m_compaction);
    if (compaction)
        compaction->replaceTarget();
}

} // namespace compaction
