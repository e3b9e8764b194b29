#pragma once

#include <QString>

namespace platform
{

// How one file system writes paths. The first separator joins components; every separator
// ends one. The pure path functions take it as a parameter so that the same rules can be
// checked against Windows-style examples and against the host's own paths.
struct PathSyntax {
    // "\\:" for Windows (":" ends a drive name), "/" for Linux
    QString separators;

    QChar joiner() const { return separators.at(0); }
    bool isSeparator(QChar c) const { return separators.contains(c); }

    static PathSyntax windows();
    static PathSyntax posix();
    static PathSyntax host(); // the syntax of the machine we run on
};

// Whether the last character of the path is the joining separator ("C:" does not end with one).
bool endsWithSeparator(const QString &path, const PathSyntax &syntax);

// The folder followed by the name, with one joining separator between them unless the folder
// already ends with one (an empty folder gives the name unchanged).
QString joinPath(const QString &folder, const QString &name, const PathSyntax &syntax);

// The folder followed by one joining separator, unless it already ends with one ("" -> "\\").
QString withTrailingSeparator(const QString &folder, const PathSyntax &syntax);

// The text after the last separator; the whole path when there is none; "" when the path ends
// with a separator.
QString lastComponent(const QString &path, const PathSyntax &syntax);

// The folder that holds the last component, without a trailing separator unless it is a root
// ("C:\\dir\\file" -> "C:\\dir", "C:\\file" -> "C:\\", "/file" -> "/", "file" -> "").
// Trailing separators of the path are passed over first ("/a/b/" -> "/a").
QString parentPath(const QString &path, const PathSyntax &syntax);

// Whether the path is a root: one joining separator, preceded on Windows by an optional drive
// name ("C:\\", "\\"; "/" on Linux).
bool isDriveRoot(const QString &path, const PathSyntax &syntax);

} // namespace platform
