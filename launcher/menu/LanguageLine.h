#pragma once

#include <QString>
#include <QStringList>

namespace menu
{

// The language number given by the lines of torbprod.ini: the first line that starts with "LANGUE=" or
// "LANGUE =" (any case) before the first empty line; 0 when there is none. A value that is not a whole
// 16-bit number throws platform::Failure.
qint16 languageFromIniLines(const QStringList &lines);

// A whole number in the 16-bit range, blanks around it allowed; anything else throws platform::Failure.
qint16 toInteger16(const QString &text);

} // namespace menu
