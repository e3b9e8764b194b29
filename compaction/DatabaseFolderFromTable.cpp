#include "compaction/DatabaseFolderFromTable.h"

#include "platform/Files.h"
#include "platform/PathRules.h"
#include "storage/FolderTable.h"

namespace compaction
{

std::optional<QString> databaseFolderFromTable(const QString &programFolder)
{
    if (!platform::isOrdinaryFile(
            platform::joinPath(programFolder, storage::kFolderDatabaseName, platform::PathSyntax::posix())))
        return std::nullopt;
    storage::Database database =
        storage::Database::open(storage::kFolderDatabaseName, storage::Access::ReadOnly);
    const std::optional<storage::FolderRow> first = storage::firstFolderRow(database);
    if (!first)
        return std::nullopt;
    return first->path.value_or(QString());
}

} // namespace compaction
