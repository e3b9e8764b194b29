#include "storage/Database.h"
#include "storage/ErrorNumbers.h"

#include "storage/tests/support/Databases.h"

#include <functional>
#include <gtest/gtest.h>

using storage::Access;
using storage::Database;
using storage::SeekOperator;
using storage::TableCursor;
using storage_testing::makeDatabase;
using testing_support::TempFolder;

namespace
{

// Two tables of one file, each with its own "PrimaryKey"; rows stored out of key order.
const QString schema = QStringLiteral(R"(
CREATE TABLE TPATH (TPATH_NUM INTEGER, TPATH_PATH TEXT);
CREATE UNIQUE INDEX "TPATH.PrimaryKey" ON TPATH (TPATH_NUM);
CREATE TABLE TZPR (TZPR_PROFIL TEXT COLLATE NOCASE, TZPR_CODE INTEGER);
CREATE UNIQUE INDEX "TZPR.PrimaryKey" ON TZPR (TZPR_PROFIL COLLATE NOCASE, TZPR_CODE);
CREATE TABLE TMP_TRAD (T_ABREGE TEXT COLLATE NOCASE, T_VALEUR TEXT, T_TRAD TEXT);
CREATE INDEX "TMP_TRAD.NTX_ABREGE" ON TMP_TRAD (T_ABREGE COLLATE NOCASE);
INSERT INTO TPATH VALUES (3, '/c/'), (1, '/a/'), (2, NULL);
INSERT INTO TZPR VALUES ('ADMIN', 1000), ('admin', 2000), ('Élodie', 500);
)");

class TableCursorTest : public ::testing::Test
{
protected:
    TempFolder folder;
    Database database = Database::open(makeDatabase(folder, QStringLiteral("T.MDB"), schema));

    void addTranslation(const QString &key, const QString &value)
    {
        database.execute(QStringLiteral("INSERT INTO TMP_TRAD VALUES (?, ?, '')"), {key, value});
    }
};

QVariantList column(TableCursor &cursor, const QString &field)
{
    QVariantList values;
    for (; !cursor.atEnd(); cursor.moveNext())
        values << cursor.value(field);
    return values;
}

int failureNumber(const std::function<void()> &action)
{
    try {
        action();
    } catch (const platform::Failure &failure) {
        return failure.number();
    }
    return 0;
}

TEST_F(TableCursorTest, WalksStoredOrderWithoutIndexAndKeyOrderWithIt)
{
    TableCursor cursor = database.openTable(QStringLiteral("tpath"));
    EXPECT_EQ(cursor.tableName(), QStringLiteral("TPATH"));
    EXPECT_EQ(cursor.recordCount(), 3);
    EXPECT_EQ(column(cursor, QStringLiteral("TPATH_NUM")), QVariantList({3, 1, 2}));
    cursor.setIndex(QStringLiteral("PrimaryKey"));
    EXPECT_EQ(cursor.indexFields(), QStringList{QStringLiteral("TPATH_NUM")});
    EXPECT_EQ(column(cursor, QStringLiteral("TPATH_NUM")), QVariantList({1, 2, 3}));
    EXPECT_EQ(failureNumber([&] { cursor.moveNext(); }), storage::NoCurrentRecord);
    EXPECT_EQ(failureNumber([&] { cursor.value(QStringLiteral("TPATH_NUM")); }), storage::NoCurrentRecord);
}

TEST_F(TableCursorTest, PrimaryKeyBelongsToItsTable)
{
    TableCursor profiles = database.openTable(QStringLiteral("TZPR"));
    profiles.setIndex(QStringLiteral("PrimaryKey"));
    EXPECT_EQ(profiles.indexFields(),
              QStringList({QStringLiteral("TZPR_PROFIL"), QStringLiteral("TZPR_CODE")}));
    EXPECT_TRUE(profiles.seek(SeekOperator::Equal, {QStringLiteral("Admin"), 2000}));
    EXPECT_EQ(profiles.value(QStringLiteral("TZPR_PROFIL")).toString(), QStringLiteral("admin"));
    EXPECT_TRUE(profiles.seek(SeekOperator::Equal, {QStringLiteral("ÉLODIE"), 500}));
    EXPECT_FALSE(profiles.seek(SeekOperator::Equal, {QStringLiteral("ADMIN"), 3000}));
    EXPECT_TRUE(profiles.noMatch());
    EXPECT_TRUE(profiles.atEnd());
    // The other table's index is no index of this one.
    EXPECT_EQ(failureNumber([&] { profiles.setIndex(QStringLiteral("NTX_ABREGE")); }),
              storage::IndexNotFound);
}

TEST_F(TableCursorTest, MissingTableIndexAndFieldFail)
{
    EXPECT_EQ(failureNumber([&] { database.openTable(QStringLiteral("TTRAD")); }), storage::TableNotFound);
    TableCursor cursor = database.openTable(QStringLiteral("TPATH"));
    EXPECT_EQ(failureNumber([&] { cursor.setIndex(QStringLiteral("NTX_NOTHING")); }), storage::IndexNotFound);
    EXPECT_EQ(failureNumber([&] { cursor.seek(SeekOperator::Equal, {1}); }), storage::IndexNotFound);
    EXPECT_EQ(failureNumber([&] { cursor.value(QStringLiteral("TPATH_NOPE")); }), storage::FieldNotFound);
    cursor.edit();
    EXPECT_EQ(failureNumber([&] { cursor.setValue(QStringLiteral("TPATH_NOPE"), 1); }),
              storage::FieldNotFound);
}

TEST_F(TableCursorTest, NullIsKeptApartFromEmptyText)
{
    database.execute(QStringLiteral("INSERT INTO TPATH VALUES (4, '')"));
    TableCursor cursor = database.openTable(QStringLiteral("TPATH"));
    cursor.setIndex(QStringLiteral("PrimaryKey"));
    ASSERT_TRUE(cursor.seek(SeekOperator::Equal, {2}));
    EXPECT_TRUE(cursor.value(QStringLiteral("TPATH_PATH")).isNull());
    ASSERT_TRUE(cursor.seek(SeekOperator::Equal, {4}));
    EXPECT_FALSE(cursor.value(QStringLiteral("TPATH_PATH")).isNull());
    EXPECT_EQ(cursor.value(QStringLiteral("TPATH_PATH")).toString(), QString(""));
}

// A NOCASE index orders and compares as for every SQLite reader: the case of ASCII letters is
// ignored, an accented letter is its own code point ("É" before "t" before "é").
TEST_F(TableCursorTest, SeekFollowsSqliteNocaseWithDuplicates)
{
    const QStringList rows{QStringLiteral("zèbre"), QStringLiteral("Éte"), QStringLiteral("abc"),
                           QStringLiteral("été"),   QStringLiteral("ABC"), QStringLiteral("ÉTÉ"),
                           QStringLiteral("abd")};
    for (int i = 0; i < rows.size(); ++i)
        addTranslation(rows[i], QString::number(i));
    TableCursor cursor = database.openTable(QStringLiteral("TMP_TRAD"));
    cursor.setIndex(QStringLiteral("NTX_ABREGE"));
    EXPECT_EQ(column(cursor, QStringLiteral("T_VALEUR")), QVariantList({"2", "4", "6", "0", "1", "5", "3"}));

    struct Case {
        SeekOperator op;
        QString key;
        QVariantList found; // T_VALEUR from the row found to the end
    };
    const Case cases[] = {
        {SeekOperator::Equal, QStringLiteral("Abc"), {"2", "4", "6", "0", "1", "5", "3"}},
        {SeekOperator::Equal, QStringLiteral("ÉtÉ"), {"5", "3"}},
        {SeekOperator::Equal, QStringLiteral("éTÉ"), {}},
        {SeekOperator::Equal, QStringLiteral("ete"), {}},
        {SeekOperator::Equal, QStringLiteral("ab"), {}},
        {SeekOperator::GreaterOrEqual, QStringLiteral("ab"), {"2", "4", "6", "0", "1", "5", "3"}},
        {SeekOperator::GreaterOrEqual, QStringLiteral("ABD"), {"6", "0", "1", "5", "3"}},
        {SeekOperator::GreaterOrEqual, QStringLiteral("ZZ"), {"0", "1", "5", "3"}},
        {SeekOperator::GreaterOrEqual, QStringLiteral("ÉTF"), {"5", "3"}},
        {SeekOperator::GreaterOrEqual, QStringLiteral("ét"), {"3"}},
        {SeekOperator::GreaterOrEqual, QStringLiteral("ëa"), {}},
    };
    for (const Case &c : cases) {
        const bool found = cursor.seek(c.op, {c.key});
        EXPECT_EQ(found, !c.found.isEmpty()) << c.key.toStdString();
        EXPECT_EQ(cursor.noMatch(), c.found.isEmpty());
        EXPECT_EQ(column(cursor, QStringLiteral("T_VALEUR")), c.found) << c.key.toStdString();
    }
}

TEST_F(TableCursorTest, WalksOverNullKeysInIndexOrder)
{
    addTranslation(QStringLiteral("b"), QStringLiteral("b1"));
    database.execute(QStringLiteral("INSERT INTO TMP_TRAD VALUES (NULL, 'n1', ''), (NULL, 'n2', '')"));
    addTranslation(QStringLiteral("a"), QStringLiteral("a1"));
    TableCursor cursor = database.openTable(QStringLiteral("TMP_TRAD"));
    cursor.setIndex(QStringLiteral("NTX_ABREGE"));
    EXPECT_EQ(column(cursor, QStringLiteral("T_VALEUR")), QVariantList({"n1", "n2", "a1", "b1"}));
    ASSERT_TRUE(cursor.seek(SeekOperator::Equal, {QVariant()}));
    EXPECT_EQ(column(cursor, QStringLiteral("T_VALEUR")), QVariantList({"n1", "n2", "a1", "b1"}));
}

TEST_F(TableCursorTest, PartialKeySeeksOnLeadingFields)
{
    TableCursor profiles = database.openTable(QStringLiteral("TZPR"));
    profiles.setIndex(QStringLiteral("PrimaryKey"));
    ASSERT_TRUE(profiles.seek(SeekOperator::Equal, {QStringLiteral("admin")}));
    EXPECT_EQ(column(profiles, QStringLiteral("TZPR_CODE")), QVariantList({1000, 2000, 500}));
    ASSERT_TRUE(profiles.seek(SeekOperator::GreaterOrEqual, {QStringLiteral("ADMIN"), 1500}));
    EXPECT_EQ(profiles.value(QStringLiteral("TZPR_CODE")).toInt(), 2000);
    EXPECT_NE(failureNumber([&] { profiles.seek(SeekOperator::Equal, {QStringLiteral("a"), 1, 2}); }), 0);
}

TEST_F(TableCursorTest, EditWritesTheCurrentRowAndAddKeepsItCurrent)
{
    TableCursor cursor = database.openTable(QStringLiteral("TPATH"));
    cursor.setIndex(QStringLiteral("PrimaryKey"));
    ASSERT_TRUE(cursor.seek(SeekOperator::Equal, {2}));
    cursor.edit();
    cursor.setValue(QStringLiteral("TPATH_PATH"), QStringLiteral("/B/"));
    EXPECT_EQ(cursor.value(QStringLiteral("TPATH_PATH")).toString(), QStringLiteral("/B/"));
    cursor.update();
    EXPECT_EQ(cursor.value(QStringLiteral("TPATH_PATH")).toString(), QStringLiteral("/B/"));

    cursor.addNew();
    EXPECT_TRUE(cursor.value(QStringLiteral("TPATH_PATH")).isNull());
    cursor.setValue(QStringLiteral("TPATH_NUM"), 9);
    cursor.setValue(QStringLiteral("TPATH_PATH"), QString(""));
    cursor.update();
    EXPECT_EQ(cursor.value(QStringLiteral("TPATH_NUM")).toInt(), 2);
    EXPECT_EQ(cursor.recordCount(), 4);

    // A change left without update() is dropped by the next move.
    cursor.edit();
    cursor.setValue(QStringLiteral("TPATH_PATH"), QStringLiteral("lost"));
    cursor.moveNext();
    EXPECT_EQ(cursor.value(QStringLiteral("TPATH_NUM")).toInt(), 3);
    cursor.moveNext();
    EXPECT_EQ(cursor.value(QStringLiteral("TPATH_NUM")).toInt(), 9);
    EXPECT_EQ(cursor.value(QStringLiteral("TPATH_PATH")).toString(), QString(""));
    EXPECT_FALSE(cursor.value(QStringLiteral("TPATH_PATH")).isNull());
    const storage::QueryCursor stored =
        database.openQuery(QStringLiteral("SELECT TPATH_PATH FROM TPATH WHERE TPATH_NUM = ?"), {2});
    EXPECT_EQ(stored.value(0).toString(), QStringLiteral("/B/"));
}

TEST_F(TableCursorTest, WritesNeedEditAndAWritableCursor)
{
    TableCursor cursor = database.openTable(QStringLiteral("TPATH"));
    EXPECT_EQ(failureNumber([&] { cursor.update(); }), storage::UpdateWithoutEdit);
    EXPECT_EQ(failureNumber([&] { cursor.setValue(QStringLiteral("TPATH_PATH"), 1); }),
              storage::UpdateWithoutEdit);
    cursor.edit();
    cursor.setValue(QStringLiteral("TPATH_PATH"), QStringLiteral("x"));
    cursor.cancelUpdate();
    EXPECT_EQ(cursor.value(QStringLiteral("TPATH_PATH")).toString(), QStringLiteral("/c/"));

    TableCursor readOnly = database.openTable(QStringLiteral("TPATH"), Access::ReadOnly);
    EXPECT_EQ(failureNumber([&] { readOnly.edit(); }), storage::ReadOnlyCursor);
    EXPECT_EQ(failureNumber([&] { readOnly.addNew(); }), storage::ReadOnlyCursor);
}

TEST_F(TableCursorTest, EmptyTableHasNoCurrentRow)
{
    TableCursor cursor = database.openTable(QStringLiteral("TMP_TRAD"));
    EXPECT_TRUE(cursor.atEnd());
    EXPECT_EQ(cursor.recordCount(), 0);
    EXPECT_EQ(failureNumber([&] { cursor.edit(); }), storage::NoCurrentRecord);
    cursor.addNew();
    cursor.setValue(QStringLiteral("T_ABREGE"), QStringLiteral("k"));
    cursor.update();
    EXPECT_TRUE(cursor.atEnd());
    cursor.moveFirst();
    EXPECT_EQ(cursor.value(QStringLiteral("T_ABREGE")).toString(), QStringLiteral("k"));
}

} // namespace

// An index declared without a collation, as in files made before the suite: text keys are still
// ordered and sought ignoring case.
TEST(TableCursorPlainIndex, TextKeysIgnoreCase)
{
    TempFolder folder;
    Database database = Database::open(makeDatabase(folder, QStringLiteral("P.MDB"), QStringLiteral(R"(
CREATE TABLE TZPR (TZPR_PROFIL TEXT, TZPR_CODE INTEGER);
CREATE UNIQUE INDEX "TZPR.PrimaryKey" ON TZPR (TZPR_PROFIL, TZPR_CODE);
INSERT INTO TZPR VALUES ('dupont', 7), ('MARTIN', 5), ('Dupont', 3), ('b', 1);
)")));
    TableCursor profiles = database.openTable(QStringLiteral("TZPR"), Access::ReadOnly);
    profiles.setIndex(QStringLiteral("PrimaryKey"));
    EXPECT_EQ(column(profiles, QStringLiteral("TZPR_CODE")), QVariantList({1, 3, 7, 5}));
    EXPECT_TRUE(profiles.seek(SeekOperator::Equal, {QStringLiteral("DUPONT"), 7}));
    EXPECT_EQ(profiles.value(QStringLiteral("TZPR_PROFIL")).toString(), QStringLiteral("dupont"));
    EXPECT_TRUE(profiles.seek(SeekOperator::GreaterOrEqual, {QStringLiteral("c")}));
    EXPECT_EQ(profiles.value(QStringLiteral("TZPR_CODE")).toLongLong(), 3);
    EXPECT_FALSE(profiles.seek(SeekOperator::Equal, {QStringLiteral("martin"), 6}));
}
