#include "compaction/cycle/DiskCompactionSteps.h"

#include "compaction/cycle/testing/CompactionFiles.h"
#include "platform/Failure.h"
#include "storage/ErrorNumbers.h"
#include "tests/support/fixtures/TempFolder.h"

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
    const QString workCopy = folder.file(QStringLiteral("TORBSTOC.TMPMDB"));
    const QString backup = folder.file(QStringLiteral("TORBSTOC.BAKMDB"));
    DiskCompactionSteps steps;

    void SetUp() override { makeDatabase(source, QStringLiteral("stock")); }
};

// Writes made to the source between the compaction and the swap would be lost with the old file.
TEST_F(DiskCompactionStepsTest, SourceStaysInUseUntilTheSwapIsDone)
{
    steps.compact(source, workCopy);
    EXPECT_EQ(openFailure(source), storage::DatabaseInUse);
    steps.keepBackup(source, backup);
    EXPECT_EQ(openFailure(source), storage::DatabaseInUse);
    steps.replaceSource(workCopy, source);
    EXPECT_EQ(openFailure(source), 0);
    EXPECT_EQ(openFailure(backup), 0);
    EXPECT_EQ(readMarker(source), QStringLiteral("stock"));
}

TEST_F(DiskCompactionStepsTest, SourceOpensAgainWhenNoSwapFollows)
{
    makeDatabase(backup, QStringLiteral("old backup"));
    steps.compact(source, workCopy);
    EXPECT_THROW(steps.keepBackup(source, backup), platform::Failure);
    EXPECT_EQ(openFailure(source), 0);
    EXPECT_EQ(readMarker(backup), QStringLiteral("old backup"));
}

} // namespace
