#include "compaction/cycle/CompactionRun.h"
#include "compaction/cycle/DiskCompactionSteps.h"
#include "compaction/cycle/FindDatabases.h"
#include "compaction/cycle/testing/CompactionFiles.h"
#include "compaction/cycle/testing/LogOnlyCaller.h"
#include "storage/Database.h"
#include "tests/support/fixtures/TempFolder.h"
#include "ui/testing/ScriptedDialogs.h"

#include <QDir>
#include <QProcess>
#include <gtest/gtest.h>

using namespace compaction;
using compaction::testing::integrityCheck;
using compaction::testing::makeDatabase;

namespace
{

// Another program's connection to the database (the SQLite library alone), in a process of its own.
class SqliteClient
{
public:
    explicit SqliteClient(const QString &database)
    {
        m_process.start(SQLITE_CLIENT_PROGRAM, {database});
        EXPECT_TRUE(m_process.waitForStarted(30000));
    }
    ~SqliteClient()
    {
        m_process.closeWriteChannel();
        EXPECT_TRUE(m_process.waitForFinished(30000));
        EXPECT_EQ(m_process.exitCode(), 0);
    }

    void send(const QString &line) { m_process.write(line.toUtf8() + '\n'); }
    QString answer()
    {
        while (!m_process.canReadLine()) {
            if (!m_process.waitForReadyRead(60000))
                return QStringLiteral("no answer");
        }
        return QString::fromUtf8(m_process.readLine()).trimmed();
    }
    QString run(const QString &sql)
    {
        send(sql);
        return answer();
    }

private:
    QProcess m_process;
};

class OtherConnectionsTest : public ::testing::Test
{
protected:
    QString path(const QString &name) const { return m_temp.file(name); }
    QStringList files() const { return QDir(m_temp.path()).entryList(QDir::Files, QDir::Name); }

    Outcome runModules()
    {
        compaction::testing::LogOnlyCaller caller;
        DiskCompactionSteps steps;
        return runCompaction(findDatabases(m_temp.path() + "/", Selection::ModuleDatabases).sources, caller,
                             steps);
    }

    QStringList marks(const QString &name) const
    {
        QStringList texts;
        for (storage::QueryCursor rows =
                 storage::Database::open(path(name)).openQuery("SELECT MARK_TEXT FROM TMARK ORDER BY rowid");
             !rows.atEnd(); rows.moveNext())
            texts << rows.value(0).toString();
        return texts;
    }

    void expectSoundFiles() const
    {
        EXPECT_EQ(files(), QStringList({"TORBSTOC.BAKMDB", "TORBSTOC.MDB"}));
        for (const QString &file : files())
            EXPECT_EQ(integrityCheck(path(file)), "ok") << file.toStdString();
    }

    testing_support::TempFolder m_temp;
    ui::testing::ScriptedDialogs m_dialogs;
};

} // namespace

// The run waits for the other program's write transaction, which commits into the live file.
TEST_F(OtherConnectionsTest, CommitOfAWriteTransactionOpenDuringTheRunIsInTheLiveDatabase)
{
    makeDatabase(path("TORBSTOC.MDB"), "stock");
    SqliteClient client(path("TORBSTOC.MDB"));
    ASSERT_EQ(client.run("BEGIN IMMEDIATE"), "ok");
    ASSERT_EQ(client.run("INSERT INTO TMARK (MARK_TEXT) VALUES ('pendant')"), "ok");
    ASSERT_EQ(client.run("DELETE FROM TFILL WHERE FILL_NUM < 8"), "ok");
    client.send("sleep 1000");
    client.send("COMMIT");

    EXPECT_EQ(runModules(), Outcome::Completed);

    EXPECT_EQ(client.answer(), "ok");
    EXPECT_EQ(client.answer(), "ok");
    EXPECT_EQ(marks("TORBSTOC.MDB"), QStringList({"stock", "pendant"}));
    expectSoundFiles();
}

// An idle connection holds no lock: after the run it reads and writes the compacted file.
TEST_F(OtherConnectionsTest, IdleConnectionWritesAfterTheRunIntoTheLiveDatabase)
{
    makeDatabase(path("TORBSTOC.MDB"), "stock");
    SqliteClient client(path("TORBSTOC.MDB"));
    ASSERT_EQ(client.run("SELECT count(*) FROM TFILL"), "ok");

    EXPECT_EQ(runModules(), Outcome::Completed);

    EXPECT_EQ(client.run("INSERT INTO TMARK (MARK_TEXT) VALUES ('après')"), "ok");
    EXPECT_EQ(client.run("DELETE FROM TFILL WHERE FILL_NUM < 8"), "ok");
    EXPECT_EQ(marks("TORBSTOC.MDB"), QStringList({"stock", "après"}));
    EXPECT_EQ(marks("TORBSTOC.BAKMDB"), QStringList({"stock"}));
    expectSoundFiles();
}

// In WAL mode the last commits may lie in the WAL file, not yet in the database file: the backup
// holds them too.
TEST_F(OtherConnectionsTest, DatabaseInWalModeKeepsItsLastCommitsInTheBackup)
{
    makeDatabase(path("TORBSTOC.MDB"), "stock");
    {
        SqliteClient client(path("TORBSTOC.MDB"));
        ASSERT_EQ(client.run("PRAGMA journal_mode = WAL"), "ok");
        ASSERT_EQ(client.run("INSERT INTO TMARK (MARK_TEXT) VALUES ('wal')"), "ok");

        EXPECT_EQ(runModules(), Outcome::Completed);

        EXPECT_EQ(client.run("INSERT INTO TMARK (MARK_TEXT) VALUES ('après')"), "ok");
    }
    EXPECT_EQ(marks("TORBSTOC.BAKMDB"), QStringList({"stock", "wal"}));
    EXPECT_EQ(marks("TORBSTOC.MDB"), QStringList({"stock", "wal", "après"}));
    expectSoundFiles();
}
