#pragma once

#include <QString>
#include <memory>

namespace storage
{

class PendingFile;
class UseMark;

// Keeps the source of a compaction marked in use, exclusively, while it lives: nobody opens the
// source and writes to it before the caller has put the compacted copy in its place, where those
// writes would be lost.
class CompactionHold
{
public:
    CompactionHold(CompactionHold &&) noexcept;
    CompactionHold &operator=(CompactionHold &&) noexcept;
    ~CompactionHold();

    // Lets the source be opened again; the destructor does it too.
    void release();

private:
    friend class CompactedCopy;
    explicit CompactionHold(std::unique_ptr<UseMark> mark);
    std::unique_ptr<UseMark> m_mark;
};

// A finished compacted copy, still under its temporary name beside the target, with the source
// marked in use. Dropped unnamed, the copy is removed and the source let go.
class CompactedCopy
{
public:
    CompactedCopy(CompactedCopy &&) noexcept;
    ~CompactedCopy();

    const QString &temporaryPath() const;

    // Flushes the copy and gives it the target's name, failing when that name exists meanwhile;
    // the folder is flushed too, so the name survives a crash. The source stays marked in use
    // until the hold given back is released.
    [[nodiscard]] CompactionHold nameAsTarget() &&;

private:
    friend CompactedCopy compactIntoTemporary(const QString &, const QString &);
    CompactedCopy(std::unique_ptr<UseMark> mark, std::unique_ptr<PendingFile> copy);
    // In this order, so that an unnamed copy is removed before the source is let go.
    std::unique_ptr<UseMark> m_mark;
    std::unique_ptr<PendingFile> m_copy;
};

// Writes a compacted copy of the source database under a temporary name of its own beside the
// target path. Fails, leaving the source untouched and the target path free, when the source is
// missing, is not a database or is held open by anyone (this process included), or when the
// target already exists.
[[nodiscard]] CompactedCopy compactIntoTemporary(const QString &sourcePath, const QString &targetPath);

// Both steps at once: the compacted copy named as the target, flushed, the source held.
[[nodiscard]] CompactionHold compactDatabase(const QString &sourcePath, const QString &targetPath);

} // namespace storage
