#include "storage/Compaction.h"

#include "storage/Connection.h"
#include "storage/DatabaseFile.h"
#include "storage/PendingFile.h"
#include "storage/RawConnection.h"
#include "storage/SqliteValues.h"
#include "storage/UseMark.h"

#include "platform/CaseResolution.h"
#include "platform/FileFailure.h"

#include <QFileInfo>
#include <sys/stat.h>

namespace storage
{

namespace
{

bool pathTaken(const QString &path)
{
    struct stat info;
    return ::lstat(platform::nativePath(path).constData(), &info) == 0;
}

// The source, read-only, on a plain connection: the rebuilt indexes take SQLite's own collations.
// The engine accepts an empty file as its output. It writes the copy without flushing it on the
// way (its output takes the source's synchronous setting); the one flush of the finished file
// follows when it is named.
void vacuumInto(const QString &source, const QString &target)
{
    const RawConnection connection(databaseUri(source, true).toUtf8(),
                                   SQLITE_OPEN_READONLY | SQLITE_OPEN_URI);
    requireReadableSchema(connection.handle(), QStringLiteral("main"), source);
    if (sqlite3_exec(connection.handle(), "PRAGMA main.synchronous = OFF", nullptr, nullptr, nullptr) !=
        SQLITE_OK)
        throw sqlFailure(connection.handle());
    StatementRun vacuum(connection.handle(), QStringLiteral("VACUUM INTO ?1"));
    bindValue(vacuum.get(), 1, QFileInfo(target).absoluteFilePath());
    vacuum.step();
}

} // namespace

CompactionHold::CompactionHold(std::unique_ptr<UseMark> mark) : m_mark(std::move(mark)) {}
CompactionHold::CompactionHold(CompactionHold &&) noexcept = default;
CompactionHold &CompactionHold::operator=(CompactionHold &&) noexcept = default;
CompactionHold::~CompactionHold() = default;

void CompactionHold::release()
{
    m_mark.reset();
}

CompactedCopy::CompactedCopy(std::unique_ptr<UseMark> mark, std::unique_ptr<PendingFile> copy)
    : m_mark(std::move(mark)), m_copy(std::move(copy))
{
}
CompactedCopy::CompactedCopy(CompactedCopy &&) noexcept = default;
CompactedCopy::~CompactedCopy() = default;

const QString &CompactedCopy::temporaryPath() const
{
    return m_copy->temporaryPath();
}

CompactionHold CompactedCopy::nameAsTarget() &&
{
    m_copy->name();
    m_copy.reset();
    return CompactionHold(std::move(m_mark));
}

CompactedCopy compactIntoTemporary(const QString &sourcePath, const QString &targetPath)
{
    const QString source = existingDatabaseFile(sourcePath);
    const QString target = platform::resolveCase(targetPath);
    if (pathTaken(target))
        throw targetExistsFailure(targetPath);
    auto alone = std::make_unique<UseMark>(source, UseMark::Kind::Exclusive);
    auto copy = std::make_unique<PendingFile>(target);
    vacuumInto(source, copy->temporaryPath());
    return CompactedCopy(std::move(alone), std::move(copy));
}

CompactionHold compactDatabase(const QString &sourcePath, const QString &targetPath)
{
    return compactIntoTemporary(sourcePath, targetPath).nameAsTarget();
}

} // namespace storage
