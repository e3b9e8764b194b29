#include "compaction/cycle/testing/CompactionFiles.h"
#include "tests/support/fixtures/TempFolder.h"

#include <QFileInfo>
#include <QProcess>
#include <gtest/gtest.h>

using compaction::testing::makeDatabase;
using compaction::testing::readMarker;
using testing_support::TempFolder;

namespace
{

// Three databases, four file steps each: compaction, deletion of the old backup, the backup
// link, the rename over the source.
constexpr int kSteps = 3 * 4;

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

} // namespace

TEST(CompactionKill, EveryDatabaseStaysReadableUnderItsOwnNameWhereverTheRunDies)
{
    for (int killAt = 0; killAt <= kSteps; ++killAt) {
        SCOPED_TRACE(killAt);
        TempFolder temp;
        for (const Expected &database : kDatabases) {
            makeDatabase(temp.file(database.name), database.marker);
            if (!database.oldBackupMarker.isEmpty())
                makeDatabase(temp.file(backupName(database.name)), database.oldBackupMarker);
        }

        QProcess run;
        run.start(KILLED_RUN_PROGRAM, {temp.path() + "/", QString::number(killAt)});
        ASSERT_TRUE(run.waitForFinished(60000));
        EXPECT_EQ(run.exitStatus(), killAt < kSteps ? QProcess::CrashExit : QProcess::NormalExit);

        for (const Expected &database : kDatabases) {
            // Opened by the upper-cased name, as the suite names it, resolved ignoring case.
            EXPECT_EQ(readMarker(temp.file(database.name.toUpper())), database.marker)
                << database.name.toStdString();
            const QString backup = temp.file(backupName(database.name));
            if (QFileInfo::exists(backup)) {
                const QString kept = readMarker(backup);
                EXPECT_TRUE(kept == database.marker || kept == database.oldBackupMarker)
                    << kept.toStdString();
            }
        }
    }
}
