#include "compaction/cycle/DiskCompactionSteps.h"

#include "compaction/cycle/testing/CompactionFiles.h"
#include "platform/Failure.h"
#include "storage/ErrorNumbers.h"
#include "tests/support/fixtures/TempFolder.h"

#include <QDir>
#include <gtest/gtest.h>

using compaction::DiskCompactionSteps;
using compaction::testing::makeDatabase;
using compaction::testing::readMarker;

namespace
{

// 0 when the database opens, else the failure's number.
int openFailure(const QString &path)
{
    try {
        readMarker(path);
    } catch (const platform::Failure &failure) {
        return failure.number();
    }
    return 0;
}

class DiskCompactionStepsTest : public ::testing::Test
{
protected:
    testing_support::TempFolder folder;
    const QString source = folder.file(QStringLiteral("TORBSTOC.MDB"));
    const QString workCopy = folder.file(QStringLiteral("TORBSTOC_NEW.MDB"));
    const QString backup = folder.file(QStringLiteral("TORBSTOC.BAKMDB"));
    DiskCompactionSteps steps;

    void SetUp() override { makeDatabase(source, QStringLiteral("stock")); }
};

// Until the backup is in place no other run of the suite may take its copy for a leftover.
TEST_F(DiskCompactionStepsTest, SourceStaysInUseUntilTheBackupIsInPlace)
{
    steps.compact(source, workCopy, backup);
    EXPECT_EQ(openFailure(source), storage::DatabaseInUse);
    steps.keepBackup();
    EXPECT_EQ(openFailure(source), 0);
    EXPECT_EQ(readMarker(backup), QStringLiteral("stock"));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList({"TORBSTOC.BAKMDB", "TORBSTOC.MDB"}));
}

// An old backup that cannot be replaced stays; the source, compacted, opens again.
TEST_F(DiskCompactionStepsTest, OldBackupThatCannotBeReplacedStays)
{
    ASSERT_TRUE(QDir(folder.path()).mkpath(QStringLiteral("TORBSTOC.BAKMDB/kept")));
    steps.compact(source, workCopy, backup);
    EXPECT_THROW(steps.keepBackup(), platform::Failure);
    EXPECT_EQ(openFailure(source), 0);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList({"TORBSTOC.MDB"}));
    EXPECT_TRUE(QDir(folder.file(QStringLiteral("TORBSTOC.BAKMDB/kept"))).exists());
}

} // namespace
