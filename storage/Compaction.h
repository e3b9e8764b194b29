#pragma once

#include <QString>

namespace storage
{

// Writes a compacted copy of the source database at the target path and flushes it to disk.
// Fails, leaving the source untouched, when the source is missing, is not a database or is
// held open by anyone (this process included), or when the target already exists.
void compactDatabase(const QString &sourcePath, const QString &targetPath);

} // namespace storage
