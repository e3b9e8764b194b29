#include "compaction/cycle/testing/CompactionFiles.h"
#include "tests/support/fixtures/TempFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <gtest/gtest.h>

using compaction::testing::integrityCheck;
using compaction::testing::makeDatabase;
using compaction::testing::rowsDigest;
using testing_support::TempFolder;

namespace
{

struct Database {
    QString name;
    QString marker;
    QString oldBackupMarker; // empty: no backup before the run
};

// The file names stay as they are on disk; only the backups take the upper-cased names.
const QList<Database> kDatabases = {
    {"TORBAPRO.MDB", "achats", ""},
    {"TORBCOM.MDB", "commandes", "anciennes commandes"},
    {"torbstoc.mdb", "stock", ""},
};

QString backupName(const QString &name)
{
    return name.toUpper().replace(".MDB", ".BAKMDB");
}

struct Child {
    int exitCode; // -1 when it was killed
    QString output;
};

// Runs the child on the folder; killAt -1 lets it run to its end.
Child runChild(const QString &folder, int killAt)
{
    QProcess run;
    run.start(KILLED_RUN_PROGRAM, {folder + "/", QString::number(killAt)});
    EXPECT_TRUE(run.waitForFinished(60000));
    return {run.exitStatus() == QProcess::CrashExit ? -1 : run.exitCode(),
            QString::fromUtf8(run.readAllStandardOutput())};
}

// The folder of the test, with the rows each database and old backup holds.
struct Folder {
    TempFolder temp;
    QMap<QString, QByteArray> rows;
    QMap<QString, QByteArray> oldBackupRows;

    Folder()
    {
        for (const Database &database : kDatabases) {
            makeDatabase(temp.file(database.name), database.marker);
            rows[database.name] = rowsDigest(temp.file(database.name));
            if (!database.oldBackupMarker.isEmpty()) {
                makeDatabase(temp.file(backupName(database.name)), database.oldBackupMarker);
                oldBackupRows[database.name] = rowsDigest(temp.file(backupName(database.name)));
            }
        }
    }

    // Every database of the folder (this one, or a copy of it) whole under its own name with the
    // same rows (SQLite rolls a crash back at the open); a backup, where there is one, is whole
    // with the old backup's rows or the database's.
    void expectEveryDatabaseWhole(const QString &path) const
    {
        for (const Database &database : kDatabases) {
            SCOPED_TRACE(database.name.toStdString());
            EXPECT_EQ(rowsDigest(path + "/" + database.name), rows[database.name]);
            const QString backup = path + "/" + backupName(database.name);
            if (QFileInfo::exists(backup)) {
                const QByteArray kept = rowsDigest(backup);
                EXPECT_TRUE(kept == rows[database.name] || kept == oldBackupRows.value(database.name));
            }
        }
    }

    QStringList files() const { return QDir(temp.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name); }
};

} // namespace

// The run is killed before each of its steps and at every moment where SQLite changes a file; the
// next run completes and leaves only the databases and their backups, each sound for the sqlite3
// command.
TEST(CompactionKill, EveryDatabaseStaysWholeWhereverTheRunDiesAndTheNextRunLeavesNoDebris)
{
    int moments = 0;
    {
        const Folder counted;
        const Child whole = runChild(counted.temp.path(), -1);
        ASSERT_EQ(whole.exitCode, 0);
        ASSERT_EQ(std::sscanf(whole.output.toUtf8().constData(), "moments %d", &moments), 1);
        ASSERT_GT(moments, 3 * 2);
    }
    for (int killAt = 0; killAt < moments; ++killAt) {
        SCOPED_TRACE(killAt);
        const Folder folder;

        ASSERT_EQ(runChild(folder.temp.path(), killAt).exitCode, -1);
        EXPECT_TRUE(QDir(folder.temp.path()).entryList({"*_NEW.MDB"}).isEmpty());
        // Looked at in a copy, so that the next run meets what the killed one left.
        const TempFolder copy;
        for (const QString &file : folder.files())
            ASSERT_TRUE(QFile::copy(folder.temp.file(file), copy.file(file)));
        folder.expectEveryDatabaseWhole(copy.path());

        EXPECT_EQ(runChild(folder.temp.path(), -1).exitCode, 0);
        folder.expectEveryDatabaseWhole(folder.temp.path());
        EXPECT_EQ(folder.files(), QStringList({"TORBAPRO.BAKMDB", "TORBAPRO.MDB", "TORBCOM.BAKMDB",
                                               "TORBCOM.MDB", "TORBSTOC.BAKMDB", "torbstoc.mdb"}));
        for (const QString &file : folder.files())
            EXPECT_EQ(integrityCheck(folder.temp.file(file)), "ok") << file.toStdString();
    }
}
