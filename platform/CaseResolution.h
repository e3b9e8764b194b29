#pragma once

#include <QString>

namespace platform
{

// The host file system is case-sensitive, the system's own paths are not. Every file access
// goes through these functions first.

// The path with each existing component replaced by the entry of its folder that matches it
// ignoring case: an exact match first, else the first match in byte order. Resolution stops at
// the first component that has no match; it and the following ones keep the case given, so a
// new file is created with the name asked for. Relative paths stay relative (resolved against
// the current directory); "." and ".." and empty components are kept as they are.
QString resolveCase(const QString &path);

// resolveCase for a program to start: when the resolved path names no existing file and its
// file name ends in ".exe" (any case), the path without that ending is tried; if that exists
// it is returned, else the first resolution.
QString resolveProgram(const QString &path);

} // namespace platform
