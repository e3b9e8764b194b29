#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace settings
{

// torbprod.ini of the data folder, as the personalisation window shows, saves and rewrites it.
// Lines end with CR LF; its content ends at the first empty line, which every reader stops at.

inline const QString LanguageLine1 = QStringLiteral("LANGUE=1");
inline const QString LanguageLine2 = QStringLiteral("LANGUE=2");

// The file's path: dataFolder ends with "/".
QString launcherIniPath(const QString &dataFolder);

// The text shown for the file's lines: each one trimmed of blanks and joined with CR LF, up to and
// including the first line that is empty as read (so that text then ends with CR LF). Blank lines
// before any text vanish; a line of blanks later on is kept as an empty line.
QString iniDisplayText(const QStringList &lines);

// The text with its language line replaced by languageLine ("" for none): every blank and every
// "LANGUE=1" / "LANGUE=2" (exact case) removed, languageLine appended on a line of its own, doubled
// line breaks merged in one pass and a leading line break dropped.
QString iniWithLanguageLine(QString text, const QString &languageLine);

// The bytes written for a saved text: the text and one CR LF.
QByteArray iniFileBytes(const QString &text);

// The text shown for the data folder's file; "" when there is none. Throws platform::Failure when
// it cannot be read.
QString loadLauncherIni(const QString &dataFolder);

// Replaces the data folder's file with the text and removes a leftover "torbprod.inibak". The new
// file is written beside the old one first: when that fails, the old file stays and
// platform::Failure is thrown.
void saveLauncherIni(const QString &dataFolder, const QString &text);

// Writes the file for an empty text: languageLine and an empty line. Throws platform::Failure, the
// old file kept.
void writeLanguageOnly(const QString &dataFolder, const QString &languageLine);

} // namespace settings
