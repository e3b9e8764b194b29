#include "storage/Database.h"
#include "storage/SeekIgnoringCase.h"
#include "storage/tests/support/Databases.h"

#include <gtest/gtest.h>
#include <optional>

using storage::TableCursor;

namespace
{

// The keys' NOCASE order: etat 6, ÀÉÈÊËÎÏÔÙ 10, État 1, ÉTAT 2, ÉTATS 8, Étau 4, Ü 5, éb 7, état 3.
TEST(SeekIgnoringCase, FindsEverySpellingOfAccentedLettersBetweenOtherKeys)
{
    testing_support::TempFolder folder;
    storage::Database database = storage::Database::open(storage_testing::makeDatabase(
        folder, QStringLiteral("K.MDB"),
        QStringLiteral("CREATE TABLE K (K TEXT COLLATE NOCASE, N INTEGER);"
                       "CREATE INDEX \"K.PrimaryKey\" ON K (K COLLATE NOCASE, N);"
                       "INSERT INTO K VALUES ('État', 1), ('ÉTAT', 2), ('état', 3), ('Étau', 4), ('Ü', 5),"
                       " ('etat', 6), ('éb', 7), ('ÉTATS', 8), (NULL, 9), ('ÀÉÈÊËÎÏÔÙ', 10);")));
    TableCursor cursor = database.openTable(QStringLiteral("K"));
    cursor.setIndex(QStringLiteral("PrimaryKey"));

    struct Case {
        QString text;
        std::optional<int> wanted; // the N a row must have; any row when none
        std::optional<int> found;
    };
    const Case cases[] = {
        {QStringLiteral("état"), {}, 3}, // its own spelling first
        {QStringLiteral("ÉTAT"), {}, 1}, // then index order
        {QStringLiteral("ÉTAT"), 3, 3},  // past the keys that lie between the spellings
        {QStringLiteral("étaT"), 2, 2},
        {QStringLiteral("état"), 6, {}}, // "etat" is another word
        {QStringLiteral("ETAT"), {}, 6},
        {QStringLiteral("ETAT"), 1, {}},
        {QStringLiteral("étatS"), {}, 8},
        {QStringLiteral("ü"), {}, 5},
        {QStringLiteral("ÉB"), {}, 7},
        {QStringLiteral("àéèêëîïôù"), {}, 10}, // more accented letters than spellings sought at once
        {QStringLiteral("àéèêëîïôu"), {}, {}},
        {QStringLiteral("x"), {}, {}},
        {QString(), {}, {}},
    };
    for (const Case &c : cases) {
        const bool found = storage::seekIgnoringCase(cursor, c.text, [&](const TableCursor &row) {
            return !c.wanted || row.value(QStringLiteral("N")).toInt() == *c.wanted;
        });
        EXPECT_EQ(found, c.found.has_value()) << c.text.toStdString();
        if (found && c.found) {
            EXPECT_EQ(cursor.value(QStringLiteral("N")).toInt(), *c.found) << c.text.toStdString();
        }
    }
}

} // namespace
