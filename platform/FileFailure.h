#pragma once

#include "platform/Failure.h"

#include <QString>

namespace platform
{

// The Failure for a failed system call on a path: "<what> <path>: <reason>", numbered like the
// run-time errors the programs' handlers know (53 file not found, 58 file already exists,
// 70 permission denied, 75 path/file access error, 76 path not found).
// A missing path gives missingNumber: 53 for a file, pathNotFound for a folder.
inline constexpr int pathNotFound = 76;
Failure fileFailure(const QString &what, const QString &path, int error, int missingNumber = 53);

// Native byte form of a path for the system calls.
QByteArray nativePath(const QString &path);

} // namespace platform
