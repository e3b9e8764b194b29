#include "platform/Files.h"

namespace platform
{

namespace
{

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
                                          pattern.at(p).toCaseFolded() == name.at(n).toCaseFolded())) {
            ++p;
            ++n;
        } else if (starPattern >= 0) {
            p = starPattern + 1;
            n = ++starName;
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
