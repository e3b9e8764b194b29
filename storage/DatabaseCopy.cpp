#include "storage/DatabaseCopy.h"

#include "storage/Connection.h"
#include "storage/OpenFileRegistry.h"
#include "storage/PendingFile.h"
#include "storage/RawConnection.h"
#include "storage/SqliteValues.h"

#include "platform/FileFailure.h"

#include <cerrno>
#include <unistd.h>
#include <vector>

namespace storage
{

namespace
{

// A read transaction held open: the database stays as it is for the connection until it ends (in
// rollback-journal mode SQLite's read lock keeps other connections from committing meanwhile).
class HeldRead
{
public:
    explicit HeldRead(const RawConnection &database) : m_database(database)
    {
        database.execute("BEGIN");
        try {
            database.execute("SELECT count(*) FROM sqlite_master");
        } catch (...) {
            end();
            throw;
        }
    }
    HeldRead(const HeldRead &) = delete;
    HeldRead &operator=(const HeldRead &) = delete;
    ~HeldRead() { end(); }

private:
    void end() { sqlite3_exec(m_database.handle(), "ROLLBACK", nullptr, nullptr, nullptr); }

    const RawConnection &m_database;
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

// The database file's bytes as they lie, into the empty target, copied by the kernel where it can.
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

// Every page of the database as it stands, into the empty file at the target path. The copy is
// flushed once, whole, when it is named: no journal and no flush on the way.
void copyPages(sqlite3 *source, const QString &target)
{
    const RawConnection copy(platform::nativePath(target), SQLITE_OPEN_READWRITE);
    copy.execute("PRAGMA journal_mode = OFF");
    copy.execute("PRAGMA synchronous = OFF");
    sqlite3_backup *backup = sqlite3_backup_init(copy.handle(), "main", source, "main");
    if (!backup)
        throw sqlFailure(copy.handle());
    const int stepped = sqlite3_backup_step(backup, -1);
    sqlite3_backup_finish(backup);
    if (stepped != SQLITE_DONE)
        throw sqlFailure(copy.handle());
}

} // namespace

void copyDatabase(const RawConnection &database, const QString &databasePath, PendingFile &copy)
{
    {
        const HeldRead snapshot(database);
        if (inWalMode(database.handle()))
            copyPages(database.handle(), copy.temporaryPath());
        else
            copyBytes(databasePath, copy.descriptor(), copy.finalPath());
    }
    copy.takePermissionsOf(databasePath);
}

} // namespace storage
