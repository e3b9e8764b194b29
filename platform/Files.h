#pragma once

#include <QString>
#include <QStringList>

namespace platform
{

// File operations on host paths (separator "/"). Each one resolves its paths ignoring case
// (CaseResolution.h) and throws platform::Failure naming the operation and the path.

// The name of an ordinary file matching the last component of the pattern (a name, or a
// wildcard pattern with "*" and "?") in the pattern's folder, ignoring case; "" when none does.
// Hidden files (names beginning with ".") and anything but regular files do not count. When
// several match, the first by name ignoring case is given. A missing folder gives "".
QString fileMatches(const QString &pattern);

// The names of the ordinary files of the folder (not hidden) whose name matches the wildcard
// pattern ignoring case, sorted by name ignoring case. Throws when the folder cannot be read.
QStringList listFiles(const QString &folder, const QString &pattern);

// Whether the name matches the wildcard pattern ("*": any run of characters, "?": exactly one),
// ignoring case.
bool wildcardMatches(const QString &pattern, const QString &name);

// Whether the path names an existing regular file / folder.
bool isOrdinaryFile(const QString &path);
bool isFolder(const QString &path);

// Deletes the file; throws when it cannot be deleted (missing included).
void deleteFile(const QString &path);

// Renames the file; never replaces an existing target (throws instead, as for any failure).
void renameFile(const QString &from, const QString &to);

// A second name for an existing file; fails when the new name exists.
void linkFile(const QString &existing, const QString &newName);

// Flushes the file's contents to the disk.
void syncFile(const QString &path);

// The current directory as an absolute path, without a trailing "/" except at the root.
QString currentDirectory();

// Changes the current directory; throws when the folder does not exist or cannot be entered.
void setCurrentDirectory(const QString &path);

// The folder that holds the running program's file, without a trailing "/" except at the root.
QString programFolder();

} // namespace platform
