#include "storage/CreateDatabase.h"
#include "storage/Database.h"
#include "storage/ErrorNumbers.h"

#include "storage/tests/support/Databases.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

using storage::Database;
using testing_support::TempFolder;

namespace
{

QString schemaText(const QString &name)
{
    QFile file(qEnvironmentVariable("TORB_SOURCE_DIR") + QStringLiteral("/schema/") + name);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
    return QString::fromUtf8(file.readAll());
}

TEST(CreateDatabase, ExistingFileIsNeverTakenOver)
{
    TempFolder folder;
    const QString path = folder.file(QStringLiteral("BDLOC.MDB"));
    storage_testing::writeFile(path, "keep me");
    try {
        storage::createDatabase(folder.file(QStringLiteral("bdloc.mdb")),
                                QStringLiteral("CREATE TABLE T (A);"));
        FAIL() << "no failure";
    } catch (const platform::Failure &failure) {
        EXPECT_EQ(failure.number(), storage::TargetExists);
    }
    EXPECT_EQ(storage_testing::fileBytes(path), QByteArray("keep me"));
}

TEST(CreateDatabase, FailingSchemaLeavesNoFile)
{
    TempFolder folder;
    const QString path = folder.file(QStringLiteral("BAD.MDB"));
    EXPECT_THROW(storage::createDatabase(path, QStringLiteral("CREATE TABLE T (A); CREATE NONSENSE;")),
                 platform::Failure);
    EXPECT_FALSE(QFileInfo::exists(path));
}

// Every schema file builds its database, with each "PrimaryKey" and index usable by its table.
TEST(SchemaFiles, BuildTheirTablesAndIndexes)
{
    struct Case {
        QString file;
        QString table;
        QString index;
    };
    const Case cases[] = {
        {QStringLiteral("DBPATH.sql"), QStringLiteral("TPATH"), QStringLiteral("PrimaryKey")},
        {QStringLiteral("BDLOC.sql"), QStringLiteral("TMP_TRAD"), QStringLiteral("NTX_ABREGE")},
        {QStringLiteral("BDLOC.sql"), QStringLiteral("TMP_MEMOPATH"), QString()},
        {QStringLiteral("BDTRAD.sql"), QStringLiteral("TTRAD"), QString()},
        {QStringLiteral("SIGNETS.sql"), QStringLiteral("T_SIGNETS"), QString()},
        {QStringLiteral("MODULE.sql"), QStringLiteral("TZPR"), QStringLiteral("PrimaryKey")},
        {QStringLiteral("MODULE.sql"), QStringLiteral("TZPR2"), QStringLiteral("PrimaryKey")},
        {QStringLiteral("MODULE.sql"), QStringLiteral("TZMN"), QString()},
        {QStringLiteral("MODULE.sql"), QStringLiteral("TZMN2"), QString()},
    };
    TempFolder folder;
    for (const Case &c : cases) {
        const QString path = folder.file(c.file + QStringLiteral(".MDB"));
        if (!QFileInfo::exists(path))
            storage::createDatabase(path, schemaText(c.file));
        storage::TableCursor cursor = Database::open(path).openTable(c.table);
        EXPECT_NO_THROW(cursor.setIndex(c.index)) << c.table.toStdString();
        EXPECT_EQ(cursor.recordCount(), 0);
    }
}

TEST(SchemaFiles, HistoryCounterNumbersNewRows)
{
    TempFolder folder;
    const QString path = folder.file(QStringLiteral("BDLOC.MDB"));
    storage::createDatabase(path, schemaText(QStringLiteral("BDLOC.sql")));
    storage::TableCursor history = Database::open(path).openTable(QStringLiteral("TMP_MEMOPATH"));
    for (const QString &folderPath : {QStringLiteral("/srv/a/"), QStringLiteral("/srv/b/")}) {
        history.addNew();
        history.setValue(QStringLiteral("TMP_PATHBASES"), folderPath);
        history.update();
    }
    const storage::QueryCursor rows =
        Database::open(path).openQuery(QStringLiteral("SELECT * FROM TMP_MEMOPATH ORDER BY TMP_NUM DESC"));
    EXPECT_EQ(rows.value(QStringLiteral("TMP_PATHBASES")).toString(), QStringLiteral("/srv/b/"));
    EXPECT_GT(rows.value(QStringLiteral("TMP_NUM")).toInt(), 1);
}

} // namespace
