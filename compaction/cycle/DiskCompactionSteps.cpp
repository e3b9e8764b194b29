#include "compaction/cycle/DiskCompactionSteps.h"

#include "compaction/cycle/FileReplacement.h"
#include "platform/CaseResolution.h"
#include "platform/Files.h"
#include "platform/PathRules.h"
#include "storage/Compaction.h"

namespace compaction
{

void DiskCompactionSteps::compact(const QString &source, const QString &workCopy)
{
    storage::compactDatabase(source, workCopy);
}

void DiskCompactionSteps::deleteBackup(const QString &backup)
{
    platform::deleteFile(backup);
}

void DiskCompactionSteps::keepBackup(const QString &source, const QString &backup)
{
    platform::linkFile(source, backup);
}

void DiskCompactionSteps::replaceSource(const QString &workCopy, const QString &source)
{
    // The compacted database takes the source's own (upper-cased) name: when the file on disk is
    // spelt otherwise, the work copy is renamed beside it first and the old name removed after;
    // the backup link keeps the old contents all along.
    const platform::PathSyntax syntax = platform::PathSyntax::posix();
    const QString current = platform::resolveCase(source);
    const QString target = platform::joinPath(platform::parentPath(current, syntax),
                                              platform::lastComponent(source, syntax), syntax);
    replaceFile(platform::resolveCase(workCopy), target);
    if (current != target)
        platform::deleteFile(current);
}

} // namespace compaction
