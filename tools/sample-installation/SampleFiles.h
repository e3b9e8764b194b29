#pragma once

#include <QString>
#include <QStringList>

namespace tools
{

// Writes an INI file as the suite writes them: each line ended by CR LF, then the empty line that
// ends the content. The file is replaced through a temporary file.
void writeIniFile(const QString &path, const QStringList &lines);

// Writes a small Word-readable template (RTF) naming itself; replaced through a temporary file.
void writeTemplateFile(const QString &path);

// Installs a program file under a new name: a hard link where the file system allows it, else a
// copy. A symbolic link is followed, so the new name holds the program itself (a program takes its
// own folder from /proc/self/exe, which would resolve a symbolic link to the build folder).
void installProgram(const QString &source, const QString &target);

} // namespace tools
