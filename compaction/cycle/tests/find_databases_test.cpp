#include "compaction/cycle/FindDatabases.h"

#include "compaction/cycle/testing/CompactionFiles.h"
#include "platform/Failure.h"
#include "tests/support/fixtures/TempFolder.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace compaction;
using compaction::testing::makeTextFile;
using testing_support::TempFolder;

namespace
{

class FindDatabasesTest : public ::testing::Test
{
protected:
    QString folder() const { return m_temp.path() + "/"; }
    void touch(const QString &name) { makeTextFile(m_temp.file(name)); }

    TempFolder m_temp;
};

} // namespace

TEST_F(FindDatabasesTest, ModuleModeKeepsTheSixNamesInListingOrder)
{
    for (const char *name : {"torbstoc.mdb", "BDTRAD.MDB", "TorbCom.Mdb", "TORBCOM2.MDB", "notes.txt",
                             "TORBAPRO.MDB.old", ".TORBPRIX.MDB"})
        touch(name);
    ASSERT_TRUE(QDir(m_temp.path()).mkdir("TORBPLAN.MDB"));

    const FoundDatabases modules = findDatabases(folder(), Selection::ModuleDatabases);
    EXPECT_EQ(modules.matchingFiles, 4);
    EXPECT_EQ(modules.names, QStringList({"TORBCOM.MDB", "TORBSTOC.MDB"}));
    EXPECT_EQ(modules.sources, QStringList({folder() + "TORBCOM.MDB", folder() + "TORBSTOC.MDB"}));

    const FoundDatabases all = findDatabases(folder(), Selection::AllDatabases);
    EXPECT_EQ(all.matchingFiles, 4);
    EXPECT_EQ(all.names, QStringList({"BDTRAD.MDB", "TORBCOM.MDB", "TORBCOM2.MDB", "TORBSTOC.MDB"}));
}

TEST_F(FindDatabasesTest, OnlyOtherDatabasesGiveAMatchButNoModule)
{
    touch("BDTRAD.MDB");
    const FoundDatabases found = findDatabases(folder(), Selection::ModuleDatabases);
    EXPECT_EQ(found.matchingFiles, 1);
    EXPECT_TRUE(found.sources.isEmpty());
}

TEST_F(FindDatabasesTest, NoMatchingFileOrNoFolderGivesNothing)
{
    touch("TORBSTOC.BAKMDB");
    touch("readme.txt");
    EXPECT_EQ(findDatabases(folder(), Selection::AllDatabases).matchingFiles, 0);
    EXPECT_EQ(findDatabases(folder() + "missing/", Selection::AllDatabases).matchingFiles, 0);
}

TEST_F(FindDatabasesTest, FolderIsResolvedIgnoringCaseAndKeptAsGiven)
{
    ASSERT_TRUE(QDir(m_temp.path()).mkdir("Bases"));
    makeTextFile(m_temp.file("Bases/torbstoc.mdb"));
    const QString given = folder() + "BASES/";
    EXPECT_EQ(findDatabases(given, Selection::ModuleDatabases).sources,
              QStringList({given + "TORBSTOC.MDB"}));
}

TEST_F(FindDatabasesTest, MoreThanTheCountersHoldIsRefused)
{
    for (int file = 0; file < kMaxMatchingFiles; ++file)
        touch(QStringLiteral("F%1.MDB").arg(file));
    EXPECT_EQ(findDatabases(folder(), Selection::ModuleDatabases).matchingFiles, kMaxMatchingFiles);
    touch("TORBSTOC.MDB");
    EXPECT_THROW(findDatabases(folder(), Selection::ModuleDatabases), platform::Failure);
}
