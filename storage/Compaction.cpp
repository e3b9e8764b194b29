#include "storage/Compaction.h"

#include "storage/BusyWait.h"
#include "storage/DatabaseCopy.h"
#include "storage/DatabaseFile.h"
#include "storage/PendingFile.h"
#include "storage/RawConnection.h"
#include "storage/UseMark.h"

#include "platform/CaseResolution.h"

namespace storage
{

Compaction::Compaction(const QString &sourcePath)
    : m_path(existingDatabaseFile(sourcePath)),
      m_mark(std::make_unique<UseMark>(m_path, UseMark::Kind::Exclusive)),
      m_connection(std::make_unique<RawConnection>(databaseUri(m_path, false).toUtf8(),
                                                   SQLITE_OPEN_READWRITE | SQLITE_OPEN_URI))
{
    sqlite3_busy_timeout(m_connection->handle(), kBusyTimeoutMilliseconds);
    // The engine rebuilds the database in a temporary file, never in memory: the run's memory
    // stays small however large the database.
    m_connection->execute("PRAGMA temp_store = FILE");
    // The first read rolls back a hot journal that a crash left.
    requireReadableSchema(m_connection->handle(), QStringLiteral("main"), m_path);
}

Compaction::~Compaction() = default;

void Compaction::copyBeside(const QString &targetPath)
{
    m_copy.reset();
    auto copy = std::make_unique<PendingFile>(platform::resolveCase(targetPath));
    copyDatabase(*m_connection, m_path, *copy);
    m_copy = std::move(copy);
}

void Compaction::compactInPlace()
{
    m_connection->execute("VACUUM");
}

void Compaction::replaceTarget()
{
    const std::unique_ptr<PendingFile> copy = std::move(m_copy);
    if (copy)
        copy->replaceFinal();
}

} // namespace storage
