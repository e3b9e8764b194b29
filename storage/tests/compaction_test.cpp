#include "storage/Compaction.h"
#include "storage/Database.h"
#include "storage/ErrorNumbers.h"
#include "storage/InUse.h"

#include "storage/tests/support/Databases.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>
#include <optional>

using storage::Access;
using storage::Database;
using storage_testing::fileBytes;
using testing_support::TempFolder;

namespace
{

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
    const QString target = folder.file(QStringLiteral("TORBSTOC_NEW.MDB"));

    QStringList filesInFolder() const { return QDir(folder.path()).entryList(QDir::Files, QDir::Name); }

    int compactionFailure()
    {
        try {
            storage::compactDatabase(source, target).release();
        } catch (const platform::Failure &failure) {
            return failure.number();
        }
        return 0;
    }
};

TEST_F(CompactionTest, WritesACompactedCopyAndLeavesTheSource)
{
    const QByteArray before = fileBytes(source);
    storage::CompactionHold hold =
        storage::compactDatabase(folder.file(QStringLiteral("torbstoc.mdb")), target);
    hold.release();
    EXPECT_EQ(fileBytes(source), before);
    EXPECT_LT(QFileInfo(target).size(), before.size());
    // The rebuilt index keeps SQLite's NOCASE: "É" after "z", the case of ASCII letters ignored.
    storage::TableCursor rows = Database::open(target).openTable(QStringLiteral("T"));
    rows.setIndex(QStringLiteral("NTX_K"));
    ASSERT_TRUE(rows.seek(storage::SeekOperator::Equal, {QStringLiteral("ÉTé")}));
    EXPECT_EQ(rows.value(QStringLiteral("V")).toString(), QStringLiteral("E"));
    rows.moveFirst();
    rows.moveNext();
    EXPECT_EQ(rows.value(QStringLiteral("V")).toString(), QStringLiteral("z"));
}

TEST_F(CompactionTest, ExistingTargetFailsAndStaysAsItWas)
{
    storage_testing::writeFile(target, "old copy");
    const QByteArray before = fileBytes(source);
    EXPECT_EQ(compactionFailure(), storage::TargetExists);
    EXPECT_EQ(fileBytes(target), QByteArray("old copy"));
    EXPECT_EQ(fileBytes(source), before);
}

// The copy is made under a name of its own: until it is named, the target path stays free.
TEST_F(CompactionTest, CopyGetsTheTargetNameOnlyWhenNamed)
{
    std::optional<storage::CompactedCopy> copy = storage::compactIntoTemporary(source, target);
    EXPECT_FALSE(QFileInfo::exists(target));
    EXPECT_EQ(QFileInfo(copy->temporaryPath()).path(), folder.path());
    EXPECT_FALSE(copy->temporaryPath().endsWith(QStringLiteral(".mdb"), Qt::CaseInsensitive));
    EXPECT_EQ(
        Database::open(copy->temporaryPath()).openQuery(QStringLiteral("SELECT count(*) FROM T")).value(0),
        3);
    EXPECT_TRUE(storage::isInUse(source));
    std::move(*copy).nameAsTarget().release();
    copy.reset();
    EXPECT_EQ(filesInFolder(), QStringList({"TORBSTOC.MDB", "TORBSTOC_NEW.MDB"}));
    EXPECT_FALSE(storage::isInUse(source));
}

// Another program may create the target while the copy is made: its file is never replaced or
// removed, and only our own temporary goes.
TEST_F(CompactionTest, TargetCreatedMeanwhileIsLeftAloneAndOurCopyRemoved)
{
    for (const QString &otherName :
         {QStringLiteral("TORBSTOC_NEW.MDB"), QStringLiteral("torbstoc_new.mdb")}) {
        SCOPED_TRACE(otherName.toStdString());
        std::optional<storage::CompactedCopy> copy = storage::compactIntoTemporary(source, target);
        storage_testing::writeFile(folder.file(otherName), "other program");
        EXPECT_THROW(std::move(*copy).nameAsTarget(), platform::Failure);
        copy.reset();
        EXPECT_EQ(fileBytes(folder.file(otherName)), QByteArray("other program"));
        EXPECT_EQ(filesInFolder(), QStringList({"TORBSTOC.MDB", otherName}));
        EXPECT_FALSE(storage::isInUse(source));
        QFile::remove(folder.file(otherName));
    }
}

TEST_F(CompactionTest, DatabaseInUseFailsUntilItIsClosed)
{
    EXPECT_FALSE(storage::isInUse(source));
    std::optional<Database> first = Database::open(source);
    std::optional<Database> second = Database::open(folder.file(QStringLiteral("TorbStoc.mdb")));
    EXPECT_TRUE(storage::isInUse(source));
    EXPECT_EQ(compactionFailure(), storage::DatabaseInUse);
    EXPECT_FALSE(QFileInfo::exists(target));
    first.reset();
    EXPECT_TRUE(storage::isInUse(source));
    // The one left still works: closing the other dropped none of its locks.
    second->execute(QStringLiteral("INSERT INTO T VALUES ('k', 'v')"));
    second.reset();
    EXPECT_FALSE(storage::isInUse(source));
    EXPECT_EQ(compactionFailure(), 0);
}

// Until the caller has swapped the compacted copy in, nobody may open the source and write to it.
TEST_F(CompactionTest, SourceStaysInUseWhileTheHoldLives)
{
    std::optional<storage::CompactionHold> hold = storage::compactDatabase(source, target);
    EXPECT_TRUE(storage::isInUse(source));
    for (const Access access : {Access::ReadWrite, Access::ReadOnly}) {
        try {
            Database::open(source, access);
            ADD_FAILURE() << "opened while held";
        } catch (const platform::Failure &failure) {
            EXPECT_EQ(failure.number(), storage::DatabaseInUse);
            EXPECT_TRUE(failure.description().contains(QStringLiteral("en cours d'utilisation")))
                << failure.description().toStdString();
        }
    }
    EXPECT_THROW(Database::open(target).attach(source, QStringLiteral("S")), platform::Failure);
    hold.reset();
    EXPECT_FALSE(storage::isInUse(source));
    Database::open(source).execute(QStringLiteral("INSERT INTO T VALUES ('k', 'v')"));
}

TEST_F(CompactionTest, MissingOrBrokenSourceFailsWithoutATarget)
{
    const QString missing = folder.file(QStringLiteral("TORBCOM.MDB"));
    EXPECT_THROW(storage::compactDatabase(missing, target).release(), platform::Failure);
    EXPECT_FALSE(QFileInfo::exists(missing));
    const QString broken = folder.file(QStringLiteral("TORBPRIX.MDB"));
    storage_testing::writeFile(broken, QByteArray("not a database").repeated(200));
    try {
        storage::compactDatabase(broken, target).release();
        FAIL() << "no failure";
    } catch (const platform::Failure &failure) {
        EXPECT_EQ(failure.number(), storage::NotADatabase);
    }
    EXPECT_EQ(filesInFolder(), QStringList({"TORBPRIX.MDB", "TORBSTOC.MDB"}));
}

} // namespace
