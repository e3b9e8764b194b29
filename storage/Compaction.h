#pragma once

#include <QString>
#include <memory>

namespace storage
{

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
    friend CompactionHold compactDatabase(const QString &, const QString &);
    explicit CompactionHold(std::unique_ptr<UseMark> mark);
    std::unique_ptr<UseMark> m_mark;
};

// Writes a compacted copy of the source database at the target path and flushes its contents
// to the disk. Its name lasts through a crash once the folder is flushed, which the caller's
// swap does (platform::replaceFile). Fails, leaving the source untouched, when the source is
// missing, is not a database or is held open by anyone (this process included), or when the
// target already exists. The source stays marked in use until the hold given back is released.
[[nodiscard]] CompactionHold compactDatabase(const QString &sourcePath, const QString &targetPath);

} // namespace storage
