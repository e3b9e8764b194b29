#include "platform/Files.h"

namespace platform
{

namespace
{

// The UTF-16 length of the character at at: a character outside the 16-bit range is one.
qsizetype characterSize(const QString &text, qsizetype at)
{
    return text.at(at).isHighSurrogate() && at + 1 < text.size() && text.at(at + 1).isLowSurrogate() ? 2 : 1;
}

char32_t foldedCharacter(const QString &text, qsizetype at)
{
    const char32_t point = characterSize(text, at) == 2 ? QChar::surrogateToUcs4(text.at(at), text.at(at + 1))
                                                        : char32_t(text.at(at).unicode());
    return QChar::toCaseFolded(point);
}

bool matchesFrom(const QString &pattern, qsizetype p, const QString &name, qsizetype n)
{
    // Backtracking on the last "*" only: linear enough for file names.
    qsizetype starPattern = -1;
    qsizetype starName = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern.at(p) == QLatin1Char('*')) {
            starPattern = p++;
            starName = n;
        } else if (p < pattern.size() && (pattern.at(p) == QLatin1Char('?') ||
                                          foldedCharacter(pattern, p) == foldedCharacter(name, n))) {
            p += pattern.at(p) == QLatin1Char('?') ? 1 : characterSize(pattern, p);
            n += characterSize(name, n);
        } else if (starPattern >= 0) {
            p = starPattern + 1;
            starName += characterSize(name, starName);
            n = starName;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern.at(p) == QLatin1Char('*'))
        ++p;
    return p == pattern.size();
}

} // namespace

bool wildcardMatches(const QString &pattern, const QString &name)
{
    return matchesFrom(pattern, 0, name, 0);
}

} // namespace platform
