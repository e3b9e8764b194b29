#include "compaction/cycle/CompactionRun.h"
#include "compaction/cycle/DiskCompactionSteps.h"
#include "compaction/cycle/FindDatabases.h"
#include "compaction/cycle/testing/CompactionFiles.h"
#include "compaction/cycle/testing/LogOnlyCaller.h"
#include "platform/FileFailure.h"
#include "tests/support/fixtures/TempFolder.h"
#include "ui/testing/ScriptedDialogs.h"

#include <QDir>
#include <QFileInfo>
#include <cerrno>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace compaction;
using compaction::testing::makeDatabase;
using compaction::testing::readMarker;

namespace
{

// The link fails as it does where the file system has no hard links.
class NoLinkSteps : public DiskCompactionSteps
{
public:
    explicit NoLinkSteps(int error) : m_error(error) {}

protected:
    void linkBackup(const QString &, const QString &backup) override
    {
        throw platform::fileFailure(QStringLiteral("link"), backup, m_error);
    }

private:
    int m_error;
};

class SwapRecoveryTest : public ::testing::Test
{
protected:
    QString path(const QString &name) const { return m_temp.file(name); }
    QStringList files() const { return QDir(m_temp.path()).entryList(QDir::Files, QDir::Name); }
    qint64 size(const QString &name) const { return QFileInfo(path(name)).size(); }
    ino_t inode(const QString &name) const
    {
        struct stat info;
        return ::stat(QFile::encodeName(path(name)).constData(), &info) == 0 ? info.st_ino : 0;
    }

    // The file layer resolves names ignoring case: a second spelling is made under another name.
    void makeDatabaseSpelt(const QString &name, const QString &marker)
    {
        makeDatabase(path("spelling.tmp"), marker);
        ASSERT_TRUE(QFile::rename(path("spelling.tmp"), path(name)));
    }

    Outcome run(CompactionSteps &steps)
    {
        compaction::testing::LogOnlyCaller caller;
        const Outcome outcome = runCompaction(
            findDatabases(m_temp.path() + "/", Selection::ModuleDatabases).sources, caller, steps);
        m_log = caller.statusLog();
        return outcome;
    }

    testing_support::TempFolder m_temp;
    ui::testing::ScriptedDialogs m_dialogs;
    QString m_log;
};

} // namespace

// Without hard links the backup is a copy: the database still ends compacted, as the log says.
TEST_F(SwapRecoveryTest, BackupIsACopyWhereLinksFail)
{
    for (const int error : {EPERM, EOPNOTSUPP, EXDEV, EMLINK}) {
        SCOPED_TRACE(error);
        makeDatabase(path("torbstoc.mdb"), "stock");
        const qint64 before = size("torbstoc.mdb");
        NoLinkSteps steps(error);

        EXPECT_EQ(run(steps), Outcome::Completed);

        EXPECT_EQ(files(), QStringList({"TORBSTOC.BAKMDB", "TORBSTOC.MDB"}));
        EXPECT_LT(size("TORBSTOC.MDB"), before);
        EXPECT_EQ(size("TORBSTOC.BAKMDB"), before);
        EXPECT_NE(inode("TORBSTOC.BAKMDB"), inode("TORBSTOC.MDB"));
        EXPECT_EQ(readMarker(path("TORBSTOC.BAKMDB")), "stock");
        EXPECT_EQ(readMarker(path("TORBSTOC.MDB")), "stock");
        for (const QString &name : files())
            QFile::remove(path(name));
    }
}

TEST_F(SwapRecoveryTest, CopiedBackupNeverReplacesAnOldOneThatStays)
{
    makeDatabase(path("TORBSTOC.MDB"), "stock");
    ASSERT_TRUE(QDir(m_temp.path()).mkpath("TORBSTOC.BAKMDB/kept"));
    const qint64 before = size("TORBSTOC.MDB");
    NoLinkSteps steps(EPERM);

    EXPECT_EQ(run(steps), Outcome::Completed);

    EXPECT_EQ(files(), QStringList({"TORBSTOC.MDB", "TORBSTOC_NEW.MDB"}));
    EXPECT_EQ(size("TORBSTOC.MDB"), before);
    EXPECT_TRUE(QFileInfo::exists(path("TORBSTOC.BAKMDB/kept")));
}

// A run killed after the rename to TORBSTOC.MDB leaves the old name torbstoc.mdb as a second
// name of the backup: the next run removes it with the backup, and compacts the database once.
TEST_F(SwapRecoveryTest, OldNameLeftAsASecondNameOfTheBackupGoesWithIt)
{
    makeDatabase(path("TORBSTOC.BAKMDB"), "ancien");
    ASSERT_EQ(::link(QFile::encodeName(path("TORBSTOC.BAKMDB")).constData(),
                     QFile::encodeName(path("torbstoc.mdb")).constData()),
              0);
    makeDatabaseSpelt("TORBSTOC.MDB", "nouveau");
    DiskCompactionSteps steps;

    EXPECT_EQ(run(steps), Outcome::Completed);

    EXPECT_EQ(files(), QStringList({"TORBSTOC.BAKMDB", "TORBSTOC.MDB"}));
    EXPECT_EQ(readMarker(path("TORBSTOC.MDB")), "nouveau");
    EXPECT_EQ(readMarker(path("TORBSTOC.BAKMDB")), "nouveau");
    EXPECT_EQ(m_log, path("TORBSTOC.MDB") + " compactée\r\n");
}

TEST_F(SwapRecoveryTest, OldNameThatIsAFileOfItsOwnStays)
{
    makeDatabase(path("TORBSTOC.BAKMDB"), "ancien");
    makeDatabase(path("TORBSTOC.MDB"), "nouveau");
    makeDatabaseSpelt("torbstoc.mdb", "autre");
    DiskCompactionSteps steps;

    EXPECT_EQ(run(steps), Outcome::Completed);

    EXPECT_EQ(files(), QStringList({"TORBSTOC.BAKMDB", "TORBSTOC.MDB", "torbstoc.mdb"}));
    EXPECT_EQ(readMarker(path("torbstoc.mdb")), "autre");
    EXPECT_EQ(readMarker(path("TORBSTOC.MDB")), "nouveau");
}
