#include "storage/FolderTable.h"

#include "storage/CreateDatabase.h"
#include "tests/support/fixtures/TempFolder.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace storage;
using testing_support::TempFolder;

namespace
{

class FolderTableTest : public ::testing::Test
{
protected:
    // DBPATH.MDB from the suite's schema with the rows given, inserted in that order.
    Database folderDatabase(const QList<QVariantList> &rows)
    {
        QFile schema(qEnvironmentVariable("TORB_SOURCE_DIR") + "/schema/DBPATH.sql");
        EXPECT_TRUE(schema.open(QIODevice::ReadOnly)) << schema.fileName().toStdString();
        const QString path = m_temp.file("DBPATH.MDB");
        createDatabase(path, QString::fromUtf8(schema.readAll()));
        Database database = Database::open(path);
        for (const QVariantList &row : rows)
            database.execute(
                "INSERT INTO TPATH (TPATH_NUM, TPATH_PROD, TPATH_PATH, TPATH_NOMEXE, TPATH_NOMMDB, "
                "TPATH_STATUS, TPATH_RESEAU) VALUES (?, ?, ?, ?, ?, ?, ?)",
                row);
        return database;
    }

    TempFolder m_temp;
};

const QVariant kNull;

} // namespace

TEST_F(FolderTableTest, FirstRowIsTheLowestKeyWhateverTheInsertionOrder)
{
    Database database = folderDatabase({
        {3, "TORBAPRO", "/srv/apro/", "torbapro.exe", "TORBAPRO.MDB", "R", "T"},
        {1, "TORBPROD", "/srv/bases/", kNull, "BDTRAD.MDB", "M", " "},
        {2, "MODELES", "/srv/modeles/", kNull, kNull, "M", " "},
    });
    // The readers that set no index (the launcher's start-up) take the same row.
    EXPECT_EQ(database.openTable("TPATH", Access::ReadOnly).value("TPATH_NUM"), 1);

    const std::optional<FolderRow> first = firstFolderRow(database);
    ASSERT_TRUE(first);
    EXPECT_EQ(first->number, 1);
    EXPECT_EQ(first->path, "/srv/bases/");
    EXPECT_EQ(first->programName, std::nullopt);
    EXPECT_EQ(first->databaseName, "BDTRAD.MDB");
    EXPECT_EQ(first->network, " ");

    QList<int> keys;
    for (const FolderRow &row : folderRowsInKeyOrder(database))
        keys << row.number;
    EXPECT_EQ(keys, QList<int>({1, 2, 3}));

    const std::optional<FolderRow> templates = folderRowByKey(database, kTemplateRowKey);
    ASSERT_TRUE(templates);
    EXPECT_EQ(templates->path, "/srv/modeles/");
}

TEST_F(FolderTableTest, NullFolderIsKeptApartFromAnEmptyOne)
{
    Database database = folderDatabase(
        {{1, "TORBPROD", kNull, kNull, kNull, "M", " "}, {2, "MODELES", "", kNull, kNull, "M", " "}});
    EXPECT_EQ(firstFolderRow(database)->path, std::nullopt);
    EXPECT_EQ(folderRowByKey(database, 2)->path, QString());
}

TEST_F(FolderTableTest, EmptyTableOrMissingKeyGiveNoRow)
{
    Database empty = folderDatabase({});
    EXPECT_EQ(firstFolderRow(empty), std::nullopt);
    EXPECT_TRUE(folderRowsInKeyOrder(empty).isEmpty());
    EXPECT_EQ(folderRowByKey(empty, kTemplateRowKey), std::nullopt);
}

TEST_F(FolderTableTest, TableWithoutTheTemplateRow)
{
    Database database = folderDatabase({{1, "TORBPROD", "/srv/bases/", kNull, kNull, "M", " "},
                                        {3, "TORBAPRO", "/srv/apro/", kNull, kNull, "M", " "}});
    EXPECT_EQ(folderRowByKey(database, kTemplateRowKey), std::nullopt);
    EXPECT_EQ(firstFolderRow(database)->number, 1);
}
