#pragma once

#include "platform/Failure.h"

#include <QString>

namespace platform
{

// The Failure for a failed system call on a path: "<what> <path> : <cause> (<system text>)", the
// cause in French (file or folder missing, permission refused, disk full...), the system's own
// text in brackets for the support desk. Numbered like the run-time errors the programs' handlers
// know (53 file not found, 57 device I/O error, 58 file already exists, 61 disk full, 67 too many
// files, 70 permission denied, 74 rename across disks, 75 path/file access error, 76 path not
// found). A missing path gives missingNumber: 53 for a file, pathNotFound for a folder.
inline constexpr int pathNotFound = 76;
Failure fileFailure(const QString &what, const QString &path, int error, int missingNumber = 53);

// The French cause of a system error number, as fileFailure words it.
QString systemErrorCause(int error);

// Native byte form of a path for the system calls.
QByteArray nativePath(const QString &path);

} // namespace platform
