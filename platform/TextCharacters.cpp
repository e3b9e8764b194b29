#include "platform/TextCharacters.h"

namespace platform
{

namespace
{

// The UTF-16 position after the character that begins at at.
qsizetype nextCharacter(QStringView text, qsizetype at)
{
    if (text[at].isHighSurrogate() && at + 1 < text.size() && text[at + 1].isLowSurrogate())
        return at + 2;
    return at + 1;
}

} // namespace

qsizetype characterCount(QStringView text)
{
    qsizetype count = 0;
    for (qsizetype at = 0; at < text.size(); at = nextCharacter(text, at))
        ++count;
    return count;
}

QString firstCharacters(QStringView text, qsizetype count)
{
    qsizetype end = 0;
    for (qsizetype taken = 0; taken < count && end < text.size(); ++taken)
        end = nextCharacter(text, end);
    return text.left(end).toString();
}

} // namespace platform
