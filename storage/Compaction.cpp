#include "storage/Compaction.h"

#include "storage/BusyWait.h"
#include "storage/DatabaseFile.h"
#include "storage/PendingFile.h"
#include "storage/RawConnection.h"
#include "storage/SqliteValues.h"
#include "storage/UseMark.h"

#include "platform/CaseResolution.h"
#include "platform/FileFailure.h"

namespace storage
{

namespace
{

void run(sqlite3 *handle, const char *sql)
{
    if (sqlite3_exec(handle, sql, nullptr, nullptr, nullptr) != SQLITE_OK)
        throw sqlFailure(handle);
}

// A read of the database held open, so that SQLite's read lock keeps other connections from
// committing until it ends. The first read also rolls back a hot journal left by a crash.
class HeldRead
{
public:
    explicit HeldRead(sqlite3 *handle) : m_handle(handle)
    {
        run(handle, "BEGIN");
        try {
            run(handle, "SELECT count(*) FROM sqlite_master");
        } catch (...) {
            end();
            throw;
        }
    }
    HeldRead(const HeldRead &) = delete;
    HeldRead &operator=(const HeldRead &) = delete;
    ~HeldRead() { end(); }

private:
    void end() { sqlite3_exec(m_handle, "ROLLBACK", nullptr, nullptr, nullptr); }

    sqlite3 *m_handle;
};

// Every page of the source as it stands, into the empty file at the target path. The copy is
// flushed once, whole, when it is named: no journal and no flush on the way.
void copyPages(sqlite3 *source, const QString &target)
{
    const RawConnection copy(platform::nativePath(target), SQLITE_OPEN_READWRITE);
    run(copy.handle(), "PRAGMA journal_mode = OFF");
    run(copy.handle(), "PRAGMA synchronous = OFF");
    sqlite3_backup *backup = sqlite3_backup_init(copy.handle(), "main", source, "main");
    if (!backup)
        throw sqlFailure(copy.handle());
    const int stepped = sqlite3_backup_step(backup, -1);
    sqlite3_backup_finish(backup);
    if (stepped != SQLITE_DONE)
        throw sqlFailure(copy.handle());
}

} // namespace

Compaction::Compaction(const QString &sourcePath)
    : m_path(existingDatabaseFile(sourcePath)),
      m_mark(std::make_unique<UseMark>(m_path, UseMark::Kind::Exclusive)),
      m_connection(std::make_unique<RawConnection>(databaseUri(m_path, false).toUtf8(),
                                                   SQLITE_OPEN_READWRITE | SQLITE_OPEN_URI))
{
    sqlite3 *handle = m_connection->handle();
    sqlite3_busy_timeout(handle, kBusyTimeoutMilliseconds);
    // The engine rebuilds the database in a temporary file, never in memory: the run's memory
    // stays small however large the database.
    run(handle, "PRAGMA temp_store = FILE");
    requireReadableSchema(handle, QStringLiteral("main"), m_path);
}

Compaction::~Compaction() = default;

void Compaction::copyBeside(const QString &targetPath)
{
    m_copy.reset();
    auto copy = std::make_unique<PendingFile>(platform::resolveCase(targetPath));
    {
        const HeldRead snapshot(m_connection->handle());
        copyPages(m_connection->handle(), copy->temporaryPath());
    }
    m_copy = std::move(copy);
}

void Compaction::compactInPlace()
{
    run(m_connection->handle(), "VACUUM");
}

void Compaction::replaceTarget()
{
    const std::unique_ptr<PendingFile> copy = std::move(m_copy);
    if (copy)
        copy->replaceFinal();
}

} // namespace storage
