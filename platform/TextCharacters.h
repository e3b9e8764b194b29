#pragma once

#include <QString>
#include <QStringView>

namespace platform
{

// Texts counted in characters as the database engine counts them (SQLite's length and substr):
// a character outside the 16-bit range, stored as two UTF-16 units, is one character; so is a
// lone surrogate. A text is never cut inside a character.

qsizetype characterCount(QStringView text);

// The first count characters of the text, all of it when it is shorter.
QString firstCharacters(QStringView text, qsizetype count);

} // namespace platform
