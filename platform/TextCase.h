#pragma once

#include <QString>
#include <QStringView>

namespace platform
{

// The text in upper case as the suite upper-cases names, character by character: a character
// becomes its one capital letter when it has one that is the same letter ignoring case; any other
// stays as it is ("ß", "ﬁ", "ŉ", and "ı", whose "I" is the capital of "i"). A character outside
// the 16-bit range is one character, never split. The length never changes and the result equals
// the text ignoring case, so an upper-cased file name still names its file.
QString upperCase(QStringView text);

} // namespace platform
