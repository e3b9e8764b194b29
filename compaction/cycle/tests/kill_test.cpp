#include "compaction/cycle/testing/CompactionFiles.h"
#include "tests/support/fixtures/TempFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <gtest/gtest.h>

using compaction::testing::makeDatabase;
using compaction::testing::readMarker;
using testing_support::TempFolder;

namespace
{

// Three databases, five kill points each: before the compaction, inside it (the copy written,
// not yet named), before the deletion of the old backup, before the backup link and before the
// rename over the source; torbstoc.mdb has a sixth, before the removal of its old name.
constexpr int kSteps = 3 * 5 + 1;

struct Expected {
    QString name;
    QString marker;
    QString oldBackupMarker; // empty: no backup before the run
};

const QList<Expected> kDatabases = {
    {"TORBAPRO.MDB", "achats", ""},
    {"TORBCOM.MDB", "commandes", "anciennes commandes"},
    {"torbstoc.mdb", "stock", ""},
};

QString backupName(const QString &name)
{
    return name.toUpper().replace(".MDB", ".BAKMDB");
}

QString workCopyName(const QString &name)
{
    return name.toUpper().replace(".MDB", "_NEW.MDB");
}

// Runs the child on the folder; killAt -1 lets it run to its end. Gives its exit code, -1 when
// it was killed.
int runChild(const TempFolder &temp, int killAt)
{
    QProcess run;
    run.start(KILLED_RUN_PROGRAM, {temp.path() + "/", QString::number(killAt)});
    EXPECT_TRUE(run.waitForFinished(60000));
    return run.exitStatus() == QProcess::CrashExit ? -1 : run.exitCode();
}

// Every database readable under its own name, resolved ignoring case; a backup or a work copy,
// where there is one, a whole database with the old or the current contents.
void expectEveryDatabaseSafe(const TempFolder &temp)
{
    for (const Expected &database : kDatabases) {
        SCOPED_TRACE(database.name.toStdString());
        EXPECT_EQ(readMarker(temp.file(database.name.toUpper())), database.marker);
        for (const QString &other : {backupName(database.name), workCopyName(database.name)}) {
            if (!QFileInfo::exists(temp.file(other)))
                continue;
            const QString kept = readMarker(temp.file(other));
            EXPECT_TRUE(kept == database.marker || kept == database.oldBackupMarker) << kept.toStdString();
        }
    }
}

QStringList filesMatching(const TempFolder &temp, const QString &pattern)
{
    return QDir(temp.path()).entryList({pattern}, QDir::Files, QDir::Name | QDir::IgnoreCase);
}

} // namespace

TEST(CompactionKill, EveryDatabaseStaysSafeWhereverTheRunDiesAndTheNextRunRecovers)
{
    for (int killAt = 0; killAt <= kSteps; ++killAt) {
        SCOPED_TRACE(killAt);
        TempFolder temp;
        for (const Expected &database : kDatabases) {
            makeDatabase(temp.file(database.name), database.marker);
            if (!database.oldBackupMarker.isEmpty())
                makeDatabase(temp.file(backupName(database.name)), database.oldBackupMarker);
        }

        EXPECT_EQ(runChild(temp, killAt), killAt < kSteps ? -1 : 0);
        expectEveryDatabaseSafe(temp);

        // Only a finished work copy stops the next run, as the cycle leaves one to the user; a
        // half-made copy or an old name left behind does not.
        const bool workCopyLeft = !filesMatching(temp, "*_NEW.MDB").isEmpty();
        EXPECT_EQ(runChild(temp, -1), workCopyLeft ? 1 : 0);
        expectEveryDatabaseSafe(temp);
        if (!workCopyLeft) {
            EXPECT_EQ(filesMatching(temp, "*.MDB"),
                      QStringList({"TORBAPRO.MDB", "TORBCOM.MDB", "TORBSTOC.MDB"}));
        }
    }
}
