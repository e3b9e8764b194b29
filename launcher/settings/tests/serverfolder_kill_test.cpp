#include "launcher/settings/tests/support/DataPathFixture.h"
#include "tests/support/fixtures/SqliteCommand.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>

using settings_testing::DataPathFixture;

namespace
{

struct Child {
    int exitCode; // -1 when it was killed
    QString output;
};

// The sample rows, with a server folder that holds every product's database, left to the child.
// Run on the tables of schema/ and on tables with only their defined fields.
class ApplyKilled : public testing::TestWithParam<bool>
{
protected:
    struct Installation {
        DataPathFixture fixture;
        QString server = fixture.root() + QStringLiteral("/nouveau/");

        explicit Installation(bool bareTables)
            : fixture(bareTables ? testing_support::bareSchemaFolder() : testing_support::schemaFolder())
        {
            fixture.addSampleRows();
            QDir().mkpath(server);
            fixture.writeFile(server + QStringLiteral("TORBSTOC.MDB"));
            fixture.writeFile(server + QStringLiteral("TORBCOM.MDB"));
            fixture.etat.DB_Path.reset(); // the child is the launcher
        }
        Child apply(int killAt)
        {
            QProcess run;
            run.start(QStringLiteral(KILLED_APPLY_PROGRAM),
                      {fixture.data() + u'/', server, QString::number(killAt)});
            EXPECT_TRUE(run.waitForFinished(60000));
            return {run.exitStatus() == QProcess::CrashExit ? -1 : run.exitCode(),
                    QString::fromUtf8(run.readAllStandardOutput())};
        }
        QStringList storedPaths() const
        {
            QStringList paths;
            for (const storage::FolderRow &row : fixture.storedRows())
                paths << row.path.value_or(QString());
            return paths;
        }
    };
};

TEST_P(ApplyKilled, LeavesTheProductsAndTheHistoryAllMovedOrNoneWhereverItDies)
{
    int moments = 0;
    {
        Installation whole(GetParam());
        const Child child = whole.apply(-1);
        ASSERT_EQ(child.exitCode, 0) << child.output.toStdString();
        const QRegularExpressionMatch counted =
            QRegularExpression(QStringLiteral("moments (\\d+)")).match(child.output);
        ASSERT_TRUE(counted.hasMatch());
        moments = counted.captured(1).toInt();
        ASSERT_GT(moments, 2);
        EXPECT_EQ(whole.storedPaths(), QStringList(3, whole.server));
    }
    for (int killAt = 0; killAt < moments; ++killAt) {
        SCOPED_TRACE(killAt);
        Installation killed(GetParam());
        const QStringList before = killed.storedPaths();
        ASSERT_EQ(killed.apply(killAt).exitCode, -1);

        const QStringList paths = killed.storedPaths();
        const bool moved = paths != before;
        if (moved) {
            EXPECT_EQ(paths, QStringList(3, killed.server));
        }
        EXPECT_EQ(killed.fixture.storedHistory(), moved ? QStringList({killed.server}) : QStringList());
        for (const QString &file : {QStringLiteral("DBPATH.MDB"), QStringLiteral("BDLOC.MDB")})
            EXPECT_EQ(testing_support::sqlite3Command(killed.fixture.data() + u'/' + file,
                                                      QStringLiteral("PRAGMA integrity_check;")),
                      QStringLiteral("ok"))
                << file.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Tables, ApplyKilled, testing::Values(false, true),
                         [](const auto &param) { return param.param ? "Bare" : "Schema"; });

} // namespace
