#include "storage/Database.h"
#include "storage/ErrorNumbers.h"

#include "storage/tests/support/Databases.h"

#include <gtest/gtest.h>

using storage::Database;
using storage::QueryCursor;
using testing_support::TempFolder;

namespace
{

class QueryCursorTest : public ::testing::Test
{
protected:
    TempFolder folder;
    Database database = Database::open(storage_testing::makeDatabase(
        folder, QStringLiteral("BDTRAD.MDB"),
        QStringLiteral("CREATE TABLE TTRAD (T_VALEUR TEXT, T_TRAD1 TEXT);"
                       "INSERT INTO TTRAD VALUES ('Quitter', 'Exit'), ('Annuler', NULL), ('Aide', '');")));
};

TEST_F(QueryCursorTest, BindsValuesAndWalksTheRows)
{
    QueryCursor rows =
        database.openQuery(QStringLiteral("SELECT * FROM TTRAD WHERE T_VALEUR <> ? ORDER BY T_VALEUR"),
                           {QStringLiteral("Quitter")});
    EXPECT_EQ(rows.fieldNames(), QStringList({QStringLiteral("T_VALEUR"), QStringLiteral("T_TRAD1")}));
    ASSERT_EQ(rows.recordCount(), 2);
    EXPECT_EQ(rows.value(QStringLiteral("t_valeur")).toString(), QStringLiteral("Aide"));
    EXPECT_FALSE(rows.value(QStringLiteral("T_TRAD1")).isNull());
    rows.moveNext();
    EXPECT_TRUE(rows.value(QStringLiteral("T_TRAD1")).isNull());
    rows.moveNext();
    EXPECT_TRUE(rows.atEnd());
    EXPECT_THROW(rows.moveNext(), platform::Failure);
    rows.moveFirst();
    EXPECT_EQ(rows.value(0).toString(), QStringLiteral("Aide"));
}

TEST_F(QueryCursorTest, FindFirstSearchesFromTheTopAndStaysOnNoMatch)
{
    QueryCursor rows = database.openQuery(QStringLiteral("SELECT * FROM TTRAD ORDER BY T_VALEUR"));
    rows.moveNext();
    rows.moveNext();
    const auto contains = [](const QString &part) {
        return [part](const QueryCursor &row) {
            return row.value(QStringLiteral("T_VALEUR")).toString().contains(part);
        };
    };
    EXPECT_TRUE(rows.findFirst(contains(QStringLiteral("A"))));
    EXPECT_FALSE(rows.noMatch());
    EXPECT_EQ(rows.value(0).toString(), QStringLiteral("Aide"));
    rows.moveNext();
    EXPECT_FALSE(rows.findFirst(contains(QStringLiteral("zz"))));
    EXPECT_TRUE(rows.noMatch());
    EXPECT_EQ(rows.value(0).toString(), QStringLiteral("Annuler"));
}

TEST_F(QueryCursorTest, UnknownFieldAndBadStatementFail)
{
    const QueryCursor rows = database.openQuery(QStringLiteral("SELECT T_VALEUR FROM TTRAD"));
    try {
        rows.value(QStringLiteral("T_TRAD2"));
        FAIL() << "no failure";
    } catch (const platform::Failure &failure) {
        EXPECT_EQ(failure.number(), storage::FieldNotFound);
    }
    EXPECT_THROW(database.openQuery(QStringLiteral("SELECT T_TRAD3 FROM TTRAD")), platform::Failure);
    const QueryCursor none = database.openQuery(QStringLiteral("SELECT * FROM TTRAD WHERE 0"));
    EXPECT_TRUE(none.atEnd());
    EXPECT_THROW(none.value(0), platform::Failure);
}

} // namespace
