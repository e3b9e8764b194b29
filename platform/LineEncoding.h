#pragma once

#include <QByteArray>
#include <QString>

namespace platform
{

// Text files of the suite hold their lines in UTF-8 or, when the original workstations made
// them, in their single-byte code page, Windows-1252. Each line is read in the one it is valid in.
enum class LineEncoding { Utf8, Windows1252 };

// Utf8 when the bytes are valid UTF-8 (plain ASCII included), else Windows1252.
LineEncoding lineEncoding(const QByteArray &line);

// The line's text in its own encoding. A byte that Windows-1252 leaves undefined reads as the
// control character of the same number, as on the original workstations.
QString decodeLine(const QByteArray &line);

// The text in the encoding; in UTF-8 when Windows-1252 lacks one of its characters, so that
// nothing typed is lost. Throws platform::Failure when the system has no Windows-1252 converter.
QByteArray encodeLine(const QString &text, LineEncoding encoding);

} // namespace platform
