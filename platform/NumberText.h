#pragma once

#include <QStringView>
#include <QtGlobal>

namespace platform
{

// A text converted to a 32-bit integer as the original platform's number conversion read it:
// blanks around; a decimal number with an optional sign, fraction and exponent ("255.0", "1E3",
// "-2.5e-1"), rounded to the nearest integer, a half to the even one ("2.5" gives 2, "3.5" 4);
// "&H" hexadecimal or "&O" octal digits, optionally ended by "&", of at most 32 bits, the high
// bit giving a negative number ("&H80000005"). Throws platform::Failure 13 (type mismatch) for a
// text that is no number, 6 (overflow) for a number outside the 32-bit range.
qint32 int32FromText(QStringView text);

} // namespace platform
