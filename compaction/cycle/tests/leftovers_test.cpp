#include "compaction/cycle/CompactionRun.h"
#include "compaction/cycle/DiskCompactionSteps.h"
#include "compaction/cycle/FindDatabases.h"
#include "compaction/cycle/testing/CompactionFiles.h"
#include "tests/support/fixtures/TempFolder.h"
#include "ui/testing/ScriptedDialogs.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace compaction;
using compaction::testing::makeDatabase;
using compaction::testing::makeTextFile;
using compaction::testing::readMarker;

namespace
{

class RecordingCaller : public CycleCaller
{
public:
    QString statusLog() const override { return log; }
    void setStatusLog(const QString &text) override { log = text; }
    void compactionFailed(const QString &source, const QString &description) override
    {
        failure = source + " | " + description;
    }
    void finished(const QString &) override {}

    QString log;
    QString failure;
};

class LeftoversTest : public ::testing::Test
{
protected:
    QString path(const QString &name) const { return m_temp.file(name); }
    QStringList files() const { return QDir(m_temp.path()).entryList(QDir::Files, QDir::Name); }

    Outcome run(const QString &folder)
    {
        DiskCompactionSteps steps;
        return runCompaction(findDatabases(folder, Selection::ModuleDatabases).sources, m_caller, steps);
    }

    // The file layer resolves names ignoring case: a second spelling is made under another name.
    void makeDatabaseSpelt(const QString &name, const QString &marker)
    {
        makeDatabase(path("spelling.tmp"), marker);
        ASSERT_TRUE(QFile::rename(path("spelling.tmp"), path(name)));
    }

    void link(const QString &existing, const QString &name)
    {
        ASSERT_EQ(
            ::link(QFile::encodeName(path(existing)).constData(), QFile::encodeName(path(name)).constData()),
            0);
    }

    testing_support::TempFolder m_temp;
    ui::testing::ScriptedDialogs m_dialogs;
    RecordingCaller m_caller;
};

} // namespace

// What killed runs of the suite left is cleared; a work copy made by someone else stays and stops
// its database with a message naming it as it lies on disk, though the folder is given in
// another case.
TEST_F(LeftoversTest, KilledRunsLeftoversGoAndSomeoneElsesWorkCopyStopsItsDatabase)
{
    makeDatabase(path("TORBAPRO.MDB"), "achats");
    for (const char *leftover : {"TORBAPRO.BAKMDB.k3j5h2l1.tmp", "TORBAPRO_NEW.MDB.0a9z8y7x.tmp",
                                 "TORBAPRO_NEW.MDB.0a9z8y7x.tmp-journal"})
        makeTextFile(path(leftover), "partial copy");
    makeDatabase(path("TORBCOM.MDB"), "commandes");
    makeDatabase(path("TORBCOM_NEW.MDB"), "someone else's");
    makeDatabase(path("TORBSTOC.MDB"), "stock");
    const QString folder = m_temp.path().toUpper() + "/";
    ASSERT_FALSE(QFileInfo::exists(folder));

    EXPECT_EQ(run(folder), Outcome::Stopped);

    EXPECT_EQ(files(), QStringList({"TORBAPRO.BAKMDB", "TORBAPRO.MDB", "TORBCOM.MDB", "TORBCOM_NEW.MDB",
                                    "TORBSTOC.MDB"}));
    EXPECT_EQ(readMarker(path("TORBCOM_NEW.MDB")), "someone else's");
    EXPECT_EQ(m_caller.failure,
              path("TORBCOM.MDB") + " | Le fichier '" + path("TORBCOM_NEW.MDB") + "' existe déjà");
    EXPECT_EQ(m_caller.log, "Base <" + path("TORBCOM.MDB") + "> : traitement impossible...\r\n" +
                                path("TORBAPRO.MDB") + " compactée\r\n");
}

// Files that only look like leftovers are someone else's and stay.
TEST_F(LeftoversTest, FilesThatAreNotProvablyTheSuitesStay)
{
    makeDatabase(path("TORBSTOC.MDB"), "stock");
    const QStringList others = {"TORBSTOC.BAKMDB.tmp", "TORBSTOC.BAKMDB.k3j5h2l.tmp",
                                "TORBSTOC.BAKMDB.k3j5h2l1.old", "TORBSTOC_NEW.MDB.k3j5h2l1.tmp.bak",
                                "TORBCOM.BAKMDB.k3j5h2l1.tmp"};
    for (const QString &other : others)
        makeTextFile(path(other), "someone else's");

    EXPECT_EQ(run(m_temp.path() + "/"), Outcome::Completed);

    QStringList expected = others + QStringList({"TORBSTOC.BAKMDB", "TORBSTOC.MDB"});
    QStringList found = files();
    expected.sort();
    found.sort();
    EXPECT_EQ(found, expected);
}

// Earlier versions swapped by renames: a run killed after the compacted file took the upper-cased
// name left the old name as a second name of the backup, which goes with it. A file of its own
// under another spelling stays.
TEST_F(LeftoversTest, OldNameThatIsASecondNameOfTheBackupGoes)
{
    makeDatabase(path("TORBSTOC.BAKMDB"), "ancien");
    link("TORBSTOC.BAKMDB", "torbstoc.mdb");
    makeDatabaseSpelt("TORBSTOC.MDB", "nouveau");
    makeDatabaseSpelt("TorbStoc.mdb", "autre");

    EXPECT_EQ(run(m_temp.path() + "/"), Outcome::Completed);

    EXPECT_EQ(files(), QStringList({"TORBSTOC.BAKMDB", "TORBSTOC.MDB", "TorbStoc.mdb"}));
    EXPECT_EQ(readMarker(path("TORBSTOC.MDB")), "nouveau");
    EXPECT_EQ(readMarker(path("TORBSTOC.BAKMDB")), "nouveau");
    EXPECT_EQ(readMarker(path("TorbStoc.mdb")), "autre");
}
