#include "storage/Compaction.h"

#include "storage/BusyWait.h"
#include "storage/Connection.h"
#include "storage/DatabaseFile.h"
#include "storage/PendingFile.h"
#include "storage/RawConnection.h"
#include "storage/SqliteValues.h"
#include "storage/UseMark.h"

#include "platform/CaseResolution.h"
#include "platform/FileFailure.h"

#include <cerrno>
#include <unistd.h>
#include <vector>

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

bool inWalMode(sqlite3 *handle)
{
    StatementRun mode(handle, QStringLiteral("PRAGMA main.journal_mode"));
    return mode.step() &&
           qstrcmp(reinterpret_cast<const char *>(sqlite3_column_text(mode.get(), 0)), "wal") == 0;
}

// A descriptor on the database file among those of the in-use marks: closing any other
// descriptor of the file would drop the process's SQLite locks on it.
class MarkDescriptor
{
public:
    explicit MarkDescriptor(const QString &path) : m_opened(marks::takeDescriptor(path)) {}
    MarkDescriptor(const MarkDescriptor &) = delete;
    MarkDescriptor &operator=(const MarkDescriptor &) = delete;
    ~MarkDescriptor() { marks::keepOrClose(m_opened.key, m_opened.descriptor); }
    int get() const { return m_opened.descriptor; }

private:
    marks::OpenedFile m_opened;
};

// Reads and writes from the source's offset on, where the kernel cannot copy between the two.
void copyThroughMemory(int source, off_t offset, int target, const QString &sourcePath,
                       const QString &targetPath)
{
    constexpr size_t kChunkBytes = 1 << 20;
    std::vector<char> chunk(kChunkBytes);
    for (;;) {
        const ssize_t read = ::pread(source, chunk.data(), chunk.size(), offset);
        if (read < 0 && errno == EINTR)
            continue;
        if (read < 0)
            throw platform::fileFailure(QStringLiteral("Impossible de lire"), sourcePath, errno);
        if (read == 0)
            return;
        for (ssize_t written = 0; written < read;) {
            const ssize_t done = ::write(target, chunk.data() + written, size_t(read - written));
            if (done < 0 && errno == EINTR)
                continue;
            if (done <= 0)
                throw platform::fileFailure(QStringLiteral("Impossible d'écrire"), targetPath,
                                            done < 0 ? errno : ENOSPC);
            written += done;
        }
        offset += read;
    }
}

// The database file's bytes as they lie, into the empty target: while a read is held, no
// connection writes to a database in rollback-journal mode. The kernel copies them where it can.
void copyBytes(const QString &sourcePath, int target, const QString &targetPath)
{
    const MarkDescriptor source(sourcePath);
    constexpr size_t kCallBytes = 64 << 20;
    off_t offset = 0;
    for (;;) {
        const ssize_t copied = ::copy_file_range(source.get(), &offset, target, nullptr, kCallBytes, 0);
        if (copied == 0)
            return;
        if (copied > 0 || errno == EINTR)
            continue;
        if (errno != EXDEV && errno != ENOSYS && errno != EOPNOTSUPP && errno != EINVAL)
            throw platform::fileFailure(QStringLiteral("Impossible de copier"), sourcePath, errno);
        return copyThroughMemory(source.get(), offset, target, sourcePath, targetPath);
    }
}

// Every page of the database as it stands, into the empty file at the target path, for a database
// in WAL mode, whose last commits may lie in its WAL file. The copy is flushed once, whole, when
// it is named: no journal and no flush on the way.
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
        if (inWalMode(m_connection->handle()))
            copyPages(m_connection->handle(), copy->temporaryPath());
        else
            copyBytes(m_path, copy->descriptor(), copy->temporaryPath());
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
