#include "storage/Compaction.h"
#include "storage/Database.h"
#include "storage/ErrorNumbers.h"
#include "storage/InUse.h"

#include "storage/tests/support/Databases.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>
#include <optional>
#include <sys/stat.h>

using storage::Access;
using storage::Compaction;
using storage::Database;
using storage_testing::fileBytes;
using testing_support::TempFolder;

namespace
{

ino_t inode(const QString &path)
{
    struct stat info;
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_ino : 0;
}

QVariantList rows(const QString &path)
{
    QVariantList values;
    for (storage::QueryCursor cursor = Database::open(path, Access::ReadOnly)
                                           .openQuery(QStringLiteral("SELECT K, V FROM T ORDER BY rowid"));
         !cursor.atEnd(); cursor.moveNext())
        values << cursor.value(0) << cursor.value(1);
    return values;
}

class CompactionTest : public ::testing::Test
{
protected:
    TempFolder folder;
    const QString source = storage_testing::makeDatabase(
        folder, QStringLiteral("TORBSTOC.MDB"),
        QStringLiteral("CREATE TABLE T (K TEXT COLLATE NOCASE, V TEXT);"
                       "CREATE INDEX \"T.NTX_K\" ON T (K COLLATE NOCASE);"
                       "INSERT INTO T VALUES ('zèbre', 'z'), ('Été', 'E'), ('abc', 'a');"
                       "CREATE TABLE PAD (P TEXT); INSERT INTO PAD VALUES (hex(randomblob(20000)));"
                       "DELETE FROM PAD;"));
    const QString backup = folder.file(QStringLiteral("TORBSTOC.BAKMDB"));

    QStringList filesInFolder() const { return QDir(folder.path()).entryList(QDir::Files, QDir::Name); }

    int compactionFailure(const QString &path)
    {
        try {
            Compaction(path).compactInPlace();
        } catch (const platform::Failure &failure) {
            return failure.number();
        }
        return 0;
    }
};

// Other programs' connections stay on the file: it keeps its inode and its name as on disk.
TEST_F(CompactionTest, CompactsTheFileWhereItLiesKeepingItsRows)
{
    const QVariantList before = rows(source);
    const qint64 size = QFileInfo(source).size();
    const ino_t file = inode(source);

    {
        Compaction compaction(folder.file(QStringLiteral("torbstoc.mdb")));
        EXPECT_EQ(compaction.path(), source);
        compaction.compactInPlace();
    }

    EXPECT_EQ(inode(source), file);
    EXPECT_LT(QFileInfo(source).size(), size);
    EXPECT_EQ(rows(source), before);
    EXPECT_EQ(filesInFolder(), QStringList({"TORBSTOC.MDB"}));
    // The rebuilt index keeps SQLite's NOCASE: "É" after "z", the case of ASCII letters ignored.
    storage::TableCursor ordered = Database::open(source).openTable(QStringLiteral("T"));
    ordered.setIndex(QStringLiteral("NTX_K"));
    ASSERT_TRUE(ordered.seek(storage::SeekOperator::Equal, {QStringLiteral("ÉTé")}));
    EXPECT_EQ(ordered.value(QStringLiteral("V")).toString(), QStringLiteral("E"));
    ordered.moveFirst();
    ordered.moveNext();
    EXPECT_EQ(ordered.value(QStringLiteral("V")).toString(), QStringLiteral("z"));
}

// The copy for the backup holds the contents as they stood and takes the target's place only
// when asked, replacing it.
TEST_F(CompactionTest, CopyReplacesTheTargetOnlyWhenAsked)
{
    storage_testing::writeFile(backup, "old backup");
    ASSERT_TRUE(QFile::setPermissions(source, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
    const QByteArray before = fileBytes(source);
    {
        Compaction compaction(source);
        compaction.copyBeside(backup);
        compaction.compactInPlace();
        EXPECT_EQ(fileBytes(backup), QByteArray("old backup"));
        EXPECT_EQ(filesInFolder().size(), 3);
        compaction.replaceTarget();
    }
    EXPECT_EQ(filesInFolder(), QStringList({"TORBSTOC.BAKMDB", "TORBSTOC.MDB"}));
    EXPECT_EQ(QFileInfo(backup).size(), before.size());
    EXPECT_EQ(QFile::permissions(backup), QFile::permissions(source));
    EXPECT_EQ(rows(backup), rows(source));
    EXPECT_LT(QFileInfo(source).size(), before.size());
}

TEST_F(CompactionTest, CopyThatIsNotNamedLeavesNothing)
{
    {
        Compaction compaction(source);
        compaction.copyBeside(backup);
    }
    EXPECT_EQ(filesInFolder(), QStringList({"TORBSTOC.MDB"}));
    ASSERT_TRUE(QDir(folder.path()).mkpath(QStringLiteral("TORBSTOC.BAKMDB/kept")));
    Compaction compaction(source);
    compaction.copyBeside(backup);
    EXPECT_THROW(compaction.replaceTarget(), platform::Failure);
    EXPECT_EQ(filesInFolder(), QStringList({"TORBSTOC.MDB"}));
    EXPECT_TRUE(QFileInfo::exists(folder.file(QStringLiteral("TORBSTOC.BAKMDB/kept"))));
}

TEST_F(CompactionTest, DatabaseInUseFailsUntilItIsClosed)
{
    std::optional<Database> first = Database::open(source);
    std::optional<Database> second = Database::open(folder.file(QStringLiteral("TorbStoc.mdb")));
    EXPECT_EQ(compactionFailure(source), storage::DatabaseInUse);
    first.reset();
    // The one left still works: closing the other dropped none of its locks.
    second->execute(QStringLiteral("INSERT INTO T VALUES ('k', 'v')"));
    second.reset();
    EXPECT_EQ(compactionFailure(source), 0);
}

// No program of the suite opens the database while its compaction and backup are under way.
TEST_F(CompactionTest, SourceStaysInUseWhileTheCompactionLives)
{
    std::optional<Compaction> compaction(std::in_place, source);
    for (const Access access : {Access::ReadWrite, Access::ReadOnly}) {
        try {
            Database::open(source, access);
            ADD_FAILURE() << "opened while compacted";
        } catch (const platform::Failure &failure) {
            EXPECT_EQ(failure.number(), storage::DatabaseInUse);
            EXPECT_TRUE(failure.description().contains(source)) << failure.description().toStdString();
        }
    }
    compaction.reset();
    EXPECT_FALSE(storage::isInUse(source));
    Database::open(source).execute(QStringLiteral("INSERT INTO T VALUES ('k', 'v')"));
}

TEST_F(CompactionTest, MissingOrBrokenSourceFailsLeavingNothing)
{
    EXPECT_EQ(compactionFailure(folder.file(QStringLiteral("TORBCOM.MDB"))), storage::FileNotFound);
    const QString broken = folder.file(QStringLiteral("TORBPRIX.MDB"));
    const QByteArray text = QByteArray("not a database").repeated(200);
    storage_testing::writeFile(broken, text);
    EXPECT_EQ(compactionFailure(broken), storage::NotADatabase);
    EXPECT_EQ(fileBytes(broken), text);
    EXPECT_EQ(filesInFolder(), QStringList({"TORBPRIX.MDB", "TORBSTOC.MDB"}));
}

} // namespace
