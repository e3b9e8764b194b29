#include "storage/TextCollation.h"

#include <QString>
#include <QStringList>
#include <gtest/gtest.h>
#include <sqlite3.h>

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

// Samples: ASCII only, accented letters at the same place or after, letters whose folding is ASCII
// (the Kelvin sign "K" and the long s "ſ"), characters between the upper and lower ASCII letters,
// and characters outside the 16-bit range ("𐐀" folds to "𐐨"): every pair gives the order of the
// plain folding, and the order of SQLite's own NOCASE.
QStringList samples()
{
    // Separated by "|", the first one empty.
    return QString::fromUtf8(
               "|a|A|B|_|[|`|z|Z|{|~|0|\x7F|\u0080|é|É|e|f|ß|ss|Kelvin|kelvin|KELVIN|ſac|SAC|sab|"
               "😀|𐐀x|𐐨X|abcé|ABCÉ|ABCE|abc_|abcZ|Texte 00001|TEXTE 00002|texte 0001|Texte numéro "
               "00001 du menu|TEXTE NUMÉRO 00001 DU MENU|Texte numero 00001|Texte numérO")
        .split(u'|');
}

TEST(CompareIgnoringCase, AsciiAndUnicodeTextsShareOneOrder)
{
    const QStringList texts = samples();
    for (const QString &a : texts)
        for (const QString &b : texts)
            EXPECT_EQ(storage::compareIgnoringCase(a, b), foldedCodePointOrder(a, b))
                << a.toStdString() << " / " << b.toStdString();
}

// SQLite itself, on a connection of its own, is the reference for its NOCASE.
TEST(CompareAsNocase, GivesSqlitesOwnOrder)
{
    sqlite3 *handle = nullptr;
    ASSERT_EQ(sqlite3_open(":memory:", &handle), SQLITE_OK);
    sqlite3_stmt *statement = nullptr;
    ASSERT_EQ(sqlite3_prepare_v2(handle, "SELECT (?1 > ?2 COLLATE NOCASE) - (?1 < ?2 COLLATE NOCASE)", -1,
                                 &statement, nullptr),
              SQLITE_OK);
    const QStringList texts = samples();
    for (const QString &a : texts)
        for (const QString &b : texts) {
            const QByteArray textA = a.toUtf8();
            const QByteArray textB = b.toUtf8();
            sqlite3_bind_text(statement, 1, textA.constData(), int(textA.size()), SQLITE_TRANSIENT);
            sqlite3_bind_text(statement, 2, textB.constData(), int(textB.size()), SQLITE_TRANSIENT);
            ASSERT_EQ(sqlite3_step(statement), SQLITE_ROW);
            EXPECT_EQ(storage::compareAsNocase(a, b), sqlite3_column_int(statement, 0))
                << a.toStdString() << " / " << b.toStdString();
            sqlite3_reset(statement);
        }
    sqlite3_finalize(statement);
    sqlite3_close(handle);
}

} // namespace
