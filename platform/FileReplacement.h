#pragma once

#include <QString>

namespace platform
{

// Renames the file over the target in one step (the target, when it exists, is replaced) and
// flushes the target's folder, so the new name survives a crash. Host paths, used as given.
// Throws platform::Failure naming the target, the file the user knows.
void replaceFile(const QString &from, const QString &to);

// Flushes the folder's entries (names created, renamed or removed in it) to the disk.
void syncFolder(const QString &folder);

} // namespace platform
