#include "storage/TextCollation.h"

#include "storage/SqliteValues.h"
#include "storage/Utf8.h"

#include <QByteArray>
#include <QChar>

namespace storage
{

namespace
{

// ASCII characters after case folding, by table.
struct AsciiFolding {
    unsigned char folded[0x80];
    constexpr AsciiFolding() : folded()
    {
        for (int byte = 0; byte < 0x80; ++byte)
            folded[byte] = static_cast<unsigned char>(byte >= 'A' && byte <= 'Z' ? byte + ('a' - 'A') : byte);
    }
};
constexpr AsciiFolding asciiFolding;

char32_t folded(char32_t point)
{
    return point < 0x80 ? asciiFolding.folded[point] : QChar::toCaseFolded(point);
}

// Compares code point by code point after case folding; no allocation, as SQLite calls it for
// every row a query compares.
int compareFoldedUtf8(void *, int lengthA, const void *a, int lengthB, const void *b)
{
    const auto *atA = static_cast<const unsigned char *>(a);
    const auto *atB = static_cast<const unsigned char *>(b);
    const unsigned char *endA = atA + lengthA;
    const unsigned char *endB = atB + lengthB;
    // Keys often share a long prefix: equal bytes fold equal, so step over them and resume at
    // the start of the code point where they part.
    while (atA < endA && atB < endB && *atA == *atB) {
        ++atA;
        ++atB;
    }
    while (atA > a && (*atA & 0xC0) == 0x80) {
        --atA;
        --atB;
    }
    while (atA < endA && atB < endB) {
        // Two ASCII characters, the common case, fold by table without decoding.
        if ((*atA | *atB) < 0x80) {
            const unsigned char byteA = asciiFolding.folded[*atA++];
            const unsigned char byteB = asciiFolding.folded[*atB++];
            if (byteA != byteB)
                return byteA < byteB ? -1 : 1;
            continue;
        }
        const char32_t pointA = folded(nextCodePoint(atA, endA));
        const char32_t pointB = folded(nextCodePoint(atB, endB));
        if (pointA != pointB)
            return pointA < pointB ? -1 : 1;
    }
    return (atA < endA) - (atB < endB);
}

// The code point at and after UTF-16 position at, ASCII letters folded as NOCASE folds them; a
// lone surrogate reads as U+FFFD, as in the UTF-8 that SQLite compares.
char32_t nocaseCodePoint(QStringView text, qsizetype &at)
{
    const char16_t unit = text[at++].unicode();
    if (unit < 0x80)
        return asciiFolding.folded[unit];
    if (!QChar::isSurrogate(unit))
        return unit;
    if (QChar::isHighSurrogate(unit) && at < text.size() && QChar::isLowSurrogate(text[at].unicode()))
        return QChar::surrogateToUcs4(unit, text[at++].unicode());
    return 0xFFFD;
}

} // namespace

int compareIgnoringCase(QStringView a, QStringView b)
{
    const QByteArray textA = a.toUtf8();
    const QByteArray textB = b.toUtf8();
    return compareFoldedUtf8(nullptr, static_cast<int>(textA.size()), textA.constData(),
                             static_cast<int>(textB.size()), textB.constData());
}

int compareAsNocase(QStringView a, QStringView b)
{
    // SQLite compares the UTF-8 bytes, ASCII letters folded, then the lengths: the order of the
    // code points. No allocation, as seeks compare every key they pass.
    qsizetype atA = 0;
    qsizetype atB = 0;
    while (atA < a.size() && atB < b.size()) {
        const char32_t pointA = nocaseCodePoint(a, atA);
        const char32_t pointB = nocaseCodePoint(b, atB);
        if (pointA != pointB)
            return pointA < pointB ? -1 : 1;
    }
    return (atA < a.size()) - (atB < b.size());
}

void installCaseFoldCollation(sqlite3 *handle)
{
    if (sqlite3_create_collation_v2(handle, CaseFoldCollation.toUtf8().constData(), SQLITE_UTF8, nullptr,
                                    compareFoldedUtf8, nullptr) != SQLITE_OK)
        throw sqlFailure(handle);
}

} // namespace storage
