#include "compaction/cycle/DiskCompactionSteps.h"

#include "platform/CaseResolution.h"
#include "platform/FileReplacement.h"
#include "platform/Files.h"
#include "platform/PathRules.h"

#include <utility>

namespace compaction
{

void DiskCompactionSteps::compact(const QString &source, const QString &workCopy)
{
    m_sourceHold.reset();
    m_sourceHold = storage::compactDatabase(source, workCopy);
}

void DiskCompactionSteps::deleteBackup(const QString &backup)
{
    platform::deleteFile(backup);
}

void DiskCompactionSteps::keepBackup(const QString &source, const QString &backup)
{
    try {
        platform::linkFile(source, backup);
    } catch (...) {
        // No swap follows: the source stays as it is and may be opened again.
        m_sourceHold.reset();
        throw;
    }
}

void DiskCompactionSteps::replaceSource(const QString &workCopy, const QString &source)
{
    // Released however the swap ends; after the rename the source's name is the compacted file,
    // which nobody had open.
    const std::optional<storage::CompactionHold> hold = std::exchange(m_sourceHold, std::nullopt);
    // The compacted database takes the source's own (upper-cased) name: when the file on disk is
    // spelt otherwise, the work copy is renamed beside it first and the old name removed after;
    // the backup link keeps the old contents all along.
    const platform::PathSyntax syntax = platform::PathSyntax::posix();
    const QString current = platform::resolveCase(source);
    const QString target = platform::joinPath(platform::parentPath(current, syntax),
                                              platform::lastComponent(source, syntax), syntax);
    platform::replaceFile(platform::resolveCase(workCopy), target);
    if (current != target)
        platform::deleteFile(current);
}

} // namespace compaction
