#include "compaction/cycle/CompactionRun.h"

#include "compaction/cycle/CompactionTexts.h"
#include "compaction/cycle/DiskCompactionSteps.h"
#include "compaction/cycle/FindDatabases.h"
#include "compaction/cycle/testing/CompactionFiles.h"
#include "storage/Database.h"
#include "tests/support/fixtures/TempFolder.h"
#include "ui/testing/ScriptedDialogs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <gtest/gtest.h>

using namespace compaction;
using compaction::testing::makeDatabase;
using compaction::testing::makeTextFile;
using compaction::testing::readMarker;
using testing_support::TempFolder;

namespace
{

class RecordingCaller : public CycleCaller
{
public:
    QString statusLog() const override { return log; }
    void setStatusLog(const QString &text) override { log = text; }
    void beforeDatabase(const QString &source) override { events << "before " + source; }
    void compactionFailed(const QString &source, const QString &description) override
    {
        events << "failed " + source;
        failureDescription = description;
    }
    void finished(const QString &outcome) override { events << "finished " + outcome; }
    bool programEnded() const override { return events.size() == endsAtDatabase; }

    QString log;
    QStringList events;
    QString failureDescription;
    qsizetype endsAtDatabase = -1; // the program ends during the yield before that database (1 = first)
};

class CompactionRunTest : public ::testing::Test
{
protected:
    QString folder() const { return m_temp.path() + "/"; }
    QString path(const QString &name) const { return folder() + name; }
    QStringList filesOnDisk() const
    {
        return QDir(m_temp.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    }
    qint64 size(const QString &name) const { return QFileInfo(path(name)).size(); }

    Outcome runModules()
    {
        DiskCompactionSteps steps;
        return runCompaction(findDatabases(folder(), Selection::ModuleDatabases).sources, caller, steps);
    }

    TempFolder m_temp;
    ui::testing::ScriptedDialogs dialogs;
    RecordingCaller caller;
};

} // namespace

// The database file keeps its name as on disk, which the lines show; the backup takes the
// upper-cased name.
TEST_F(CompactionRunTest, FirstRunCompactsTheFileWhereItLiesWithABackup)
{
    makeDatabase(path("torbstoc.mdb"), "stock");
    const qint64 before = size("torbstoc.mdb");

    EXPECT_EQ(runModules(), Outcome::Completed);

    EXPECT_EQ(filesOnDisk(), QStringList({"TORBSTOC.BAKMDB", "torbstoc.mdb"}));
    EXPECT_EQ(readMarker(path("torbstoc.mdb")), "stock");
    EXPECT_EQ(readMarker(path("TORBSTOC.BAKMDB")), "stock");
    EXPECT_LT(size("torbstoc.mdb"), before);
    EXPECT_EQ(size("TORBSTOC.BAKMDB"), before);
    EXPECT_EQ(caller.log, path("torbstoc.mdb") + " compactée\r\n");
    EXPECT_EQ(caller.events,
              QStringList({"before " + path("torbstoc.mdb"), "finished Traitement terminé..."}));
    EXPECT_EQ(dialogs.pointers(), std::vector({ui::MousePointer::Hourglass, ui::MousePointer::Default}));
}

TEST_F(CompactionRunTest, NextRunReplacesTheOneBackupGeneration)
{
    makeDatabase(path("TORBCOM.MDB"), "first");
    runModules();
    storage::Database::open(path("TORBCOM.MDB")).execute("UPDATE TMARK SET MARK_TEXT = 'second'");

    EXPECT_EQ(runModules(), Outcome::Completed);

    EXPECT_EQ(filesOnDisk(), QStringList({"TORBCOM.BAKMDB", "TORBCOM.MDB"}));
    EXPECT_EQ(readMarker(path("TORBCOM.BAKMDB")), "second");
    EXPECT_EQ(readMarker(path("TORBCOM.MDB")), "second");
}

TEST_F(CompactionRunTest, FailureOfTheSecondOfThreeStopsTheRun)
{
    makeDatabase(path("TORBAPRO.MDB"), "achats");
    makeTextFile(path("TORBCOM.MDB"));
    makeDatabase(path("TORBSTOC.MDB"), "stock");
    const qint64 stockSize = size("TORBSTOC.MDB");

    EXPECT_EQ(runModules(), Outcome::Stopped);

    EXPECT_EQ(filesOnDisk(), QStringList({"TORBAPRO.BAKMDB", "TORBAPRO.MDB", "TORBCOM.MDB", "TORBSTOC.MDB"}));
    EXPECT_EQ(size("TORBSTOC.MDB"), stockSize);
    EXPECT_EQ(caller.log, "Base <" + path("TORBCOM.MDB") + "> : traitement impossible...\r\n" +
                              path("TORBAPRO.MDB") + " compactée\r\n");
    EXPECT_EQ(caller.events, QStringList({"before " + path("TORBAPRO.MDB"), "before " + path("TORBCOM.MDB"),
                                          "failed " + path("TORBCOM.MDB"),
                                          "finished Le traitement n'a pas pu être effectué ..."}));
    EXPECT_FALSE(caller.failureDescription.isEmpty());
    EXPECT_EQ(dialogs.pointers().back(), ui::MousePointer::Default);
}

// Nothing is left at the work-copy path, which would stop every later run.
TEST_F(CompactionRunTest, OldBackupThatCannotBeReplacedStaysAndTheRunGoesOn)
{
    makeDatabase(path("TORBAPRO.MDB"), "achats");
    ASSERT_TRUE(QDir(m_temp.path()).mkpath("TORBAPRO.BAKMDB/kept"));
    makeDatabase(path("TORBCOM.MDB"), "commandes");
    const qint64 before = size("TORBAPRO.MDB");

    EXPECT_EQ(runModules(), Outcome::Completed);

    EXPECT_LT(size("TORBAPRO.MDB"), before);
    EXPECT_EQ(readMarker(path("TORBAPRO.MDB")), "achats");
    EXPECT_TRUE(QFileInfo::exists(path("TORBAPRO.BAKMDB/kept")));
    EXPECT_EQ(readMarker(path("TORBCOM.BAKMDB")), "commandes");
    EXPECT_EQ(filesOnDisk(),
              QStringList({"TORBAPRO.BAKMDB", "TORBAPRO.MDB", "TORBCOM.BAKMDB", "TORBCOM.MDB"}));
    EXPECT_EQ(caller.log, path("TORBCOM.MDB") + " compactée\r\n" + path("TORBAPRO.MDB") + " compactée\r\n");
}

TEST_F(CompactionRunTest, DatabaseInUseIsNotCompacted)
{
    makeDatabase(path("TORBAPRO.MDB"), "achats");
    makeDatabase(path("TORBCOM.MDB"), "commandes");
    const qint64 before = size("TORBCOM.MDB");
    const storage::Database held = storage::Database::open(path("TORBCOM.MDB"));

    EXPECT_EQ(runModules(), Outcome::Stopped);

    EXPECT_TRUE(caller.failureDescription.contains("en cours d'utilisation"))
        << caller.failureDescription.toStdString();
    EXPECT_EQ(filesOnDisk(), QStringList({"TORBAPRO.BAKMDB", "TORBAPRO.MDB", "TORBCOM.MDB"}));
    EXPECT_EQ(size("TORBCOM.MDB"), before);
}

TEST_F(CompactionRunTest, DatabaseThatAnotherProcessHoldsOpenStopsTheRunUntouched)
{
    makeDatabase(path("TORBAPRO.MDB"), "achats");
    makeDatabase(path("TORBCOM.MDB"), "commandes");
    makeDatabase(path("TORBSTOC.MDB"), "stock");
    QProcess holder;
    holder.start(DATABASE_HOLDER_PROGRAM, {path("torbcom.mdb")});
    ASSERT_TRUE(holder.waitForReadyRead(30000)) << holder.readAllStandardError().toStdString();
    ASSERT_EQ(holder.readLine().trimmed(), "ready");
    const auto bytes = [this](const QString &name) {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    const QByteArray commandes = bytes("TORBCOM.MDB");
    const QByteArray stock = bytes("TORBSTOC.MDB");

    EXPECT_EQ(runModules(), Outcome::Stopped);

    EXPECT_TRUE(caller.failureDescription.contains("en cours d'utilisation"))
        << caller.failureDescription.toStdString();
    EXPECT_EQ(filesOnDisk(), QStringList({"TORBAPRO.BAKMDB", "TORBAPRO.MDB", "TORBCOM.MDB", "TORBSTOC.MDB"}));
    EXPECT_EQ(bytes("TORBCOM.MDB"), commandes);
    EXPECT_EQ(bytes("TORBSTOC.MDB"), stock);
    holder.closeWriteChannel();
    EXPECT_TRUE(holder.waitForFinished(30000));
    EXPECT_EQ(holder.exitCode(), 0);
}

// The backup of a database in base.mdb/ goes to BASE.BAKMDB/; without that folder there is no
// backup, so the database is not compacted and the run stops.
TEST_F(CompactionRunTest, MdbInTheFolderNameSendsTheBackupElsewhere)
{
    for (const bool backupFolder : {true, false}) {
        SCOPED_TRACE(backupFolder);
        TempFolder temp;
        ASSERT_TRUE(QDir(temp.path()).mkdir("base.mdb"));
        if (backupFolder)
            ASSERT_TRUE(QDir(temp.path()).mkdir("BASE.BAKMDB"));
        const QString source = temp.file("base.mdb/TORBSTOC.MDB");
        makeDatabase(source, "stock");
        const qint64 before = QFileInfo(source).size();
        DiskCompactionSteps steps;

        EXPECT_EQ(runCompaction({source}, caller, steps),
                  backupFolder ? Outcome::Completed : Outcome::Stopped);

        EXPECT_EQ(QFileInfo(source).size() < before, backupFolder);
        EXPECT_EQ(readMarker(source), "stock");
        EXPECT_EQ(QFileInfo::exists(temp.file("BASE.BAKMDB/TORBSTOC.BAKMDB")), backupFolder);
        EXPECT_EQ(QDir(temp.file("base.mdb")).entryList(QDir::Files), QStringList({"TORBSTOC.MDB"}));
    }
}

TEST_F(CompactionRunTest, EmptyListStillShowsTheWaitCursorAndCompletes)
{
    DiskCompactionSteps steps;
    EXPECT_EQ(runCompaction({}, caller, steps), Outcome::Completed);
    EXPECT_TRUE(caller.log.isEmpty());
    EXPECT_EQ(caller.events, QStringList({"finished " + kRunCompleted}));
    EXPECT_EQ(dialogs.pointers(), std::vector({ui::MousePointer::Hourglass, ui::MousePointer::Default}));
}

TEST_F(CompactionRunTest, ProgramEndedDuringTheYieldStopsBeforeTheNextCompaction)
{
    makeDatabase(path("TORBAPRO.MDB"), "achats");
    makeDatabase(path("TORBCOM.MDB"), "commandes");
    const qint64 before = size("TORBCOM.MDB");
    caller.endsAtDatabase = 2;

    EXPECT_EQ(runModules(), Outcome::Ended);

    EXPECT_EQ(filesOnDisk(), QStringList({"TORBAPRO.BAKMDB", "TORBAPRO.MDB", "TORBCOM.MDB"}));
    EXPECT_EQ(size("TORBCOM.MDB"), before);
    EXPECT_EQ(caller.events,
              QStringList({"before " + path("TORBAPRO.MDB"), "before " + path("TORBCOM.MDB")}));
    EXPECT_EQ(caller.log, path("TORBAPRO.MDB") + " compactée\r\n");
}
