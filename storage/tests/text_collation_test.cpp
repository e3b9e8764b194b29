#include "storage/TextCollation.h"

#include <QString>
#include <QStringList>
#include <gtest/gtest.h>

namespace
{

TEST(CompareIgnoringCase, FoldsCaseAccentedLettersIncluded)
{
    struct Case {
        const char *a;
        const char *b;
        int expected;
    };
    const Case cases[] = {
        {"abc", "ABC", 0},  {"été", "ÉTÉ", 0},  {"Œuvre", "œUVRE", 0}, {"abc", "abd", -1},
        {"ab", "abc", -1},  {"éte", "été", -1}, {"zèbre", "été", -1},  {"Zèbre", "zÈBRE", 0},
        {"a_b", "aAb", -1}, {"", "", 0},        {"", "a", -1},         {"straße", "STRASSE", 1},
    };
    for (const Case &c : cases) {
        const QString a = QString::fromUtf8(c.a);
        const QString b = QString::fromUtf8(c.b);
        EXPECT_EQ(storage::compareIgnoringCase(a, b), c.expected) << c.a << " / " << c.b;
        EXPECT_EQ(storage::compareIgnoringCase(b, a), -c.expected) << c.b << " / " << c.a;
    }
}

// The order by plain Unicode case folding of every code point: what the collation must give,
// whichever way it reads the characters.
QList<uint> foldedCodePoints(const QString &text)
{
    QList<uint> points = text.toUcs4();
    for (uint &point : points)
        point = QChar::toCaseFolded(point);
    return points;
}

int foldedCodePointOrder(const QString &a, const QString &b)
{
    const QList<uint> foldedA = foldedCodePoints(a);
    const QList<uint> foldedB = foldedCodePoints(b);
    return foldedA < foldedB ? -1 : foldedB < foldedA ? 1 : 0;
}

// ASCII only, accented letters at the same place or after, letters whose folding is ASCII
// (the Kelvin sign "K" and the long s "ſ"), characters between the upper and lower ASCII letters,
// and characters outside the 16-bit range ("𐐀" folds to "𐐨"): every pair gives the order of the
// plain folding.
TEST(CompareIgnoringCase, AsciiAndUnicodeTextsShareOneOrder)
{
    // Separated by "|", the first one empty.
    const QStringList samples =
        QString::fromUtf8("|a|A|B|_|[|`|z|Z|{|~|0|\x7F|\u0080|é|É|e|f|ß|ss|Kelvin|kelvin|KELVIN|ſac|SAC|sab|"
                          "😀|𐐀x|𐐨X|abcé|ABCÉ|ABCE|abc_|abcZ|Texte 00001|TEXTE 00002|texte 0001|Texte numéro "
                          "00001 du menu|TEXTE NUMÉRO 00001 DU MENU|Texte numero 00001|Texte numérO")
            .split(u'|');
    for (const QString &a : samples)
        for (const QString &b : samples)
            EXPECT_EQ(storage::compareIgnoringCase(a, b), foldedCodePointOrder(a, b))
                << a.toStdString() << " / " << b.toStdString();
}

} // namespace
