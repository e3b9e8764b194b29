#pragma once

#include <QByteArray>
#include <QList>
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

// The lines of a text's bytes, as they stand: CR LF, a lone LF or a lone CR ends a line; a break
// at the very end starts no further line.
QList<QByteArray> splitLines(const QByteArray &bytes);

// The lines of a text file, as bytes (readLineBytes) or as text (readTextLines: each line in UTF-8
// when it is valid UTF-8, else in Windows-1252, see platform/LineEncoding.h). A missing file, or
// one that cannot be read, throws platform::Failure. The path is resolved ignoring case.
QList<QByteArray> readLineBytes(const QString &path);
QStringList readTextLines(const QString &path);

} // namespace services
