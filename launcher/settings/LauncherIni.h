#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace settings
{

// torbprod.ini of the data folder, as the personalisation window shows, saves and rewrites it.
// Lines end with CR LF; its content ends at the first empty line, which every reader stops at. A
// file may hold lines in UTF-8 or in the Windows-1252 code page of the original workstations
// (platform/LineEncoding.h): each is shown in its own, and a save writes back every line the user
// left as shown byte for byte.

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
// line breaks merged in one pass and a leading line break dropped. Should an empty line still
// stand before it, languageLine moves up to just before the first one, so that readers find it.
QString iniWithLanguageLine(QString text, const QString &languageLine);

// The bytes written for a saved text: each of its lines and one CR LF after each. A line that
// shows as one of the former lines of the file (trimmed of blanks, not empty) is written as those
// bytes, each former line serving once; any other line is in Windows-1252 when a former line is,
// else (or when the code page lacks a character) in UTF-8.
QByteArray iniFileBytes(const QString &text, const QList<QByteArray> &former);

// The text shown for the data folder's file; "" when there is none. Throws platform::Failure when
// it cannot be read.
QString loadLauncherIni(const QString &dataFolder);

// Replaces the data folder's file with the text (iniFileBytes over the file's present lines) and
// removes a leftover "torbprod.inibak". Only a complete, flushed file replaces the old one: when
// any step fails, the old file stays as it was and platform::Failure says why.
void saveLauncherIni(const QString &dataFolder, const QString &text);

// Writes the file for an empty text: languageLine and an empty line. Throws platform::Failure, the
// old file kept.
void writeLanguageOnly(const QString &dataFolder, const QString &languageLine);

} // namespace settings
