#pragma once

#include <QString>
#include <QStringList>

namespace services
{

// Removes the blanks (U+0020 only) at both ends: tabs and line breaks are part of the text.
QString trimBlanks(const QString &text);

// The lines that an INI reader sees: each one trimmed of blanks, up to the first that is then
// empty, which ends the reading.
QStringList iniContent(const QStringList &lines);

// The path of the file of that name in folder, its name as the folder spells it (ignoring case,
// folder + "/" + name: a folder ending with "/" gives a doubled one, which the system reads as
// one); "" when there is no such ordinary file.
QString existingFile(const QString &folder, const QString &name);

// The lines of a text file: CR LF, a lone LF or a lone CR ends a line. A missing file, or one that
// cannot be read, throws platform::Failure. The path is resolved ignoring case.
QStringList readTextLines(const QString &path);

} // namespace services
