#pragma once

#include <QString>
#include <memory>

namespace storage
{

class PendingFile;
class RawConnection;
class UseMark;

// The compaction of one database file where it lies. The file keeps its name and its inode, and
// is rewritten inside one SQLite transaction under SQLite's own locks and journal: connections
// that other programs hold on it see the compacted contents at their next read, and none of their
// commits is lost. A crash at any moment leaves the old or the new contents, SQLite's hot
// journal restoring the old ones at the next open.
class Compaction
{
public:
    // Opens the database, marked in use exclusively for the whole compaction. Fails with
    // FileNotFound, NotADatabase, or DatabaseInUse when a program of the suite holds it open.
    explicit Compaction(const QString &sourcePath);
    Compaction(const Compaction &) = delete;
    Compaction &operator=(const Compaction &) = delete;
    ~Compaction();

    // The database file as it lies on disk.
    const QString &path() const { return m_path; }

    // Copies the database as it stands, under SQLite's read lock, into a new file of its own
    // beside the target path and flushes it; the target stays as it is until replaceTarget().
    void copyBeside(const QString &targetPath);

    // Rewrites the database compacted into its own file. Waits for the write transactions of
    // other connections (SQLite's busy wait); fails, leaving the file as it was, when one outlasts
    // the wait or the engine cannot compact.
    void compactInPlace();

    // Puts the copy in the target's place in one step, replacing the target, and flushes it. When
    // the rename fails the copy is removed and the target stays.
    void replaceTarget();

private:
    QString m_path;
    // In this order: SQLite closes the file before the mark lets it go.
    std::unique_ptr<UseMark> m_mark;
    std::unique_ptr<RawConnection> m_connection;
    std::unique_ptr<PendingFile> m_copy;
};

} // namespace storage
