#include "storage/Database.h"
#include "storage/ErrorNumbers.h"
#include "storage/TextCollation.h"

#include "storage/tests/support/Databases.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <sqlite3.h>

using storage::Access;
using storage::Database;
using storage_testing::makeDatabase;
using testing_support::TempFolder;

namespace
{

const QString people = QStringLiteral("CREATE TABLE PEOPLE (NAME TEXT, NICK TEXT, AGE INTEGER);");

int failureNumber(const std::function<void()> &action)
{
    try {
        action();
    } catch (const platform::Failure &failure) {
        EXPECT_FALSE(failure.description().isEmpty());
        return failure.number();
    }
    ADD_FAILURE() << "no failure";
    return 0;
}

TEST(DatabaseOpen, MissingFileFailsAndCreatesNothing)
{
    TempFolder folder;
    const QString path = folder.file(QStringLiteral("DBPATH.MDB"));
    EXPECT_EQ(failureNumber([&] { Database::open(path); }), storage::FileNotFound);
    EXPECT_EQ(failureNumber([&] { Database::open(path, Access::ReadOnly); }), storage::FileNotFound);
    EXPECT_FALSE(QFileInfo::exists(path));
}

TEST(DatabaseOpen, FileThatIsNoDatabaseFails)
{
    TempFolder folder;
    const QString text = folder.file(QStringLiteral("TEXT.MDB"));
    storage_testing::writeFile(text, QByteArray("LANGUE=1\r\n").repeated(100));
    const QString empty = folder.file(QStringLiteral("EMPTY.MDB"));
    storage_testing::writeFile(empty, QByteArray());
    EXPECT_EQ(failureNumber([&] { Database::open(text); }), storage::NotADatabase);
    EXPECT_EQ(failureNumber([&] { Database::open(empty); }), storage::NotADatabase);
    EXPECT_EQ(storage_testing::fileBytes(text), QByteArray("LANGUE=1\r\n").repeated(100));
    EXPECT_EQ(QFileInfo(empty).size(), 0);
}

TEST(DatabaseOpen, PathIgnoresLetterCase)
{
    TempFolder folder;
    makeDatabase(folder, QStringLiteral("DBPATH.MDB"), people);
    const Database database = Database::open(folder.file(QStringLiteral("dbpath.mdb")));
    EXPECT_EQ(database.path(), folder.file(QStringLiteral("DBPATH.MDB")));
}

TEST(DatabaseExecute, BindsValuesAndKeepsNullApartFromEmptyText)
{
    TempFolder folder;
    Database database = Database::open(makeDatabase(folder, QStringLiteral("P.MDB"), people));
    EXPECT_EQ(database.execute(QStringLiteral("INSERT INTO PEOPLE VALUES (?, ?, ?)"),
                               {QStringLiteral("O'Brien"), QString(), 40}),
              1);
    database.execute(QStringLiteral("INSERT INTO PEOPLE VALUES (?, ?, ?)"),
                     {QStringLiteral("Zoé"), QVariant(), 7});
    storage::QueryCursor rows = database.openQuery(QStringLiteral("SELECT * FROM PEOPLE ORDER BY AGE DESC"));
    ASSERT_EQ(rows.recordCount(), 2);
    EXPECT_EQ(rows.value(QStringLiteral("name")).toString(), QStringLiteral("O'Brien"));
    EXPECT_FALSE(rows.value(QStringLiteral("NICK")).isNull());
    EXPECT_EQ(rows.value(QStringLiteral("NICK")).toString(), QString(""));
    EXPECT_EQ(rows.value(QStringLiteral("AGE")).toInt(), 40);
    rows.moveNext();
    EXPECT_EQ(rows.value(QStringLiteral("NAME")).toString(), QStringLiteral("Zoé"));
    EXPECT_TRUE(rows.value(QStringLiteral("NICK")).isNull());
    EXPECT_EQ(database.execute(QStringLiteral("DELETE FROM PEOPLE WHERE AGE < ?"), {100}), 2);
}

TEST(DatabaseExecute, FailuresCarryTheEngineText)
{
    TempFolder folder;
    Database database = Database::open(makeDatabase(folder, QStringLiteral("P.MDB"), people));
    try {
        database.execute(QStringLiteral("DELETE FROM NOWHERE"));
        FAIL() << "no failure";
    } catch (const platform::Failure &failure) {
        EXPECT_TRUE(failure.description().contains(QStringLiteral("NOWHERE")))
            << failure.description().toStdString();
    }
    // A second statement would be dropped silently: refused instead.
    EXPECT_NE(
        failureNumber([&] { database.execute(QStringLiteral("DELETE FROM PEOPLE; DROP TABLE PEOPLE")); }), 0);
    EXPECT_EQ(database.openQuery(QStringLiteral("SELECT count(*) FROM PEOPLE")).value(0).toInt(), 0);
}

TEST(DatabaseOpen, ReadOnlyRefusesWrites)
{
    TempFolder folder;
    Database database =
        Database::open(makeDatabase(folder, QStringLiteral("P.MDB"), people), Access::ReadOnly);
    EXPECT_TRUE(database.isReadOnly());
    EXPECT_NE(
        failureNumber([&] { database.execute(QStringLiteral("INSERT INTO PEOPLE (NAME) VALUES ('x')")); }),
        0);
    EXPECT_TRUE(database.openTable(QStringLiteral("PEOPLE")).isReadOnly());
}

TEST(DatabaseOpen, CopiesShareOneConnectionAndOutliveTheFirst)
{
    TempFolder folder;
    const QString path = makeDatabase(folder, QStringLiteral("P.MDB"), people);
    std::optional<Database> first = Database::open(path);
    Database second = *first;
    storage::TableCursor cursor = first->openTable(QStringLiteral("PEOPLE"));
    first.reset();
    second.execute(QStringLiteral("INSERT INTO PEOPLE (NAME) VALUES ('x')"));
    cursor.moveFirst();
    EXPECT_EQ(cursor.value(QStringLiteral("NAME")).toString(), QStringLiteral("x"));
}

TEST(DatabaseAttach, StatementsReachTheTablesOfAnotherFile)
{
    TempFolder folder;
    const QString other = makeDatabase(folder, QStringLiteral("BDTRAD.MDB"), people);
    Database(Database::open(other)).execute(QStringLiteral("INSERT INTO PEOPLE (NAME) VALUES ('Zoé')"));
    Database local = Database::open(makeDatabase(folder, QStringLiteral("BDLOC.MDB"), people));
    local.attach(folder.file(QStringLiteral("bdtrad.mdb")), QStringLiteral("TRAD"));
    local.execute(QStringLiteral("INSERT INTO PEOPLE SELECT * FROM TRAD.PEOPLE"));
    local.detach(QStringLiteral("TRAD"));
    EXPECT_EQ(local.openQuery(QStringLiteral("SELECT NAME FROM PEOPLE")).value(0).toString(),
              QStringLiteral("Zoé"));
    const QString missing = folder.file(QStringLiteral("MISSING.MDB"));
    EXPECT_EQ(failureNumber([&] { local.attach(missing, QStringLiteral("M")); }), storage::FileNotFound);
    EXPECT_FALSE(QFileInfo::exists(missing));
}

TEST(DatabaseAttach, ReadOnlyAttachRefusesWritesToThatFileOnly)
{
    TempFolder folder;
    const QString other = makeDatabase(folder, QStringLiteral("BDTRAD.MDB"), people);
    Database(Database::open(other)).execute(QStringLiteral("INSERT INTO PEOPLE (NAME) VALUES ('Zoé')"));
    const QByteArray before = storage_testing::fileBytes(other);
    Database local = Database::open(makeDatabase(folder, QStringLiteral("BDLOC.MDB"), people));
    local.attach(other, QStringLiteral("TRAD"), Access::ReadOnly);
    EXPECT_NE(
        failureNumber([&] { local.execute(QStringLiteral("INSERT INTO TRAD.PEOPLE (NAME) VALUES ('x')")); }),
        0);
    EXPECT_NE(failureNumber([&] { local.execute(QStringLiteral("DELETE FROM TRAD.PEOPLE")); }), 0);
    EXPECT_EQ(local.execute(QStringLiteral("INSERT INTO PEOPLE SELECT * FROM TRAD.PEOPLE")), 1);
    local.detach(QStringLiteral("TRAD"));
    EXPECT_EQ(storage_testing::fileBytes(other), before);
}

TEST(DatabaseOpen, QtConnectionSeesTheSameFile)
{
    TempFolder folder;
    Database database = Database::open(makeDatabase(folder, QStringLiteral("P.MDB"), people));
    database.execute(QStringLiteral("INSERT INTO PEOPLE (NAME) VALUES ('é')"));
    QSqlDatabase qt = database.sqlDatabase();
    ASSERT_TRUE(qt.isOpen());
    // NOCASE is SQLite's own; the case-folding collation is ours, under its own name.
    const auto count = [&](const QString &collation) {
        QSqlQuery query(qt);
        EXPECT_TRUE(query.exec(
            QStringLiteral("SELECT count(*) FROM PEOPLE WHERE NAME = 'É' COLLATE %1").arg(collation)));
        EXPECT_TRUE(query.next());
        return query.value(0).toInt();
    };
    EXPECT_EQ(count(QStringLiteral("NOCASE")), 0);
    EXPECT_EQ(count(storage::CaseFoldCollation), 1);
}

} // namespace

namespace
{

// A cursor's move keeps its read of the file open for the rest of the event-loop turn; a write
// through another connection of this process must not wait for it.
TEST(DatabaseLocks, WriteThroughAnotherConnectionPassesAHeldRead)
{
    TempFolder folder;
    const QString path = makeDatabase(folder, QStringLiteral("P.MDB"), people);
    Database reader = Database::open(path);
    Database writer = Database::open(path);
    writer.execute(QStringLiteral("INSERT INTO PEOPLE (NAME) VALUES ('a')"));
    storage::TableCursor cursor = reader.openTable(QStringLiteral("PEOPLE"));
    ASSERT_FALSE(cursor.atEnd());
    writer.execute(QStringLiteral("INSERT INTO PEOPLE (NAME) VALUES ('b')"));
    cursor.moveNext();
    ASSERT_FALSE(cursor.atEnd());
    EXPECT_EQ(cursor.value(QStringLiteral("NAME")).toString(), QStringLiteral("b"));
    reader.releaseReadLocks();
    writer.execute(QStringLiteral("DELETE FROM PEOPLE"));
    EXPECT_EQ(cursor.recordCount(), 0);
}

// Another program's writer: a connection of its own, without our lock handling or any wait.
class OutsideWriter
{
public:
    explicit OutsideWriter(const QString &path)
    {
        sqlite3_open_v2(QFile::encodeName(path).constData(), &m_handle, SQLITE_OPEN_READWRITE, nullptr);
    }
    ~OutsideWriter() { sqlite3_close_v2(m_handle); }

    // Starts a write and tries to commit it; true when the commit went through.
    bool insertRow()
    {
        sqlite3_exec(m_handle, "BEGIN; INSERT INTO PEOPLE (NAME) VALUES ('w')", nullptr, nullptr, nullptr);
        return commit();
    }
    bool commit() { return sqlite3_exec(m_handle, "COMMIT", nullptr, nullptr, nullptr) == SQLITE_OK; }

private:
    sqlite3 *m_handle = nullptr;
};

// The read a seek leaves open is ended at once by releaseReadLocks, and by freeLocksWhenIdle only
// when the event loop turns.
TEST(DatabaseLocks, ReadIsFreedNowOrWhenIdle)
{
    TempFolder folder;
    const QString path =
        makeDatabase(folder, QStringLiteral("P.MDB"),
                     people + QStringLiteral("CREATE INDEX \"PEOPLE.NTX_NAME\" ON PEOPLE (NAME);"
                                             "INSERT INTO PEOPLE (NAME) VALUES ('a');"));
    Database reader = Database::open(path);
    storage::TableCursor cursor = reader.openTable(QStringLiteral("PEOPLE"));
    cursor.setIndex(QStringLiteral("NTX_NAME"));
    QCoreApplication::processEvents();
    OutsideWriter writer(path);

    ASSERT_TRUE(cursor.seek(storage::SeekOperator::GreaterOrEqual, {QStringLiteral("a")}));
    reader.freeLocksWhenIdle();
    EXPECT_FALSE(writer.insertRow());
    ASSERT_TRUE(cursor.seek(storage::SeekOperator::GreaterOrEqual, {QStringLiteral("a")}));
    EXPECT_FALSE(writer.commit());
    QCoreApplication::processEvents();
    EXPECT_TRUE(writer.commit());

    ASSERT_TRUE(cursor.seek(storage::SeekOperator::GreaterOrEqual, {QStringLiteral("a")}));
    EXPECT_FALSE(writer.insertRow());
    reader.releaseReadLocks();
    EXPECT_TRUE(writer.commit());
    EXPECT_EQ(cursor.recordCount(), 3);
}

} // namespace
