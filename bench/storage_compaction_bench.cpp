// Compaction of a database of about 100 MB against a plain copy of the same file; prints both
// times and their ratio.
#include "storage/Compaction.h"
#include "storage/CreateDatabase.h"
#include "storage/Database.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <string>
#include <unistd.h>

namespace
{

struct LargeDatabase {
    QTemporaryDir folder;
    QString path = folder.filePath(QStringLiteral("TORBSTOC.MDB"));
    QString target = folder.filePath(QStringLiteral("TORBSTOC_NEW.MDB"));

    LargeDatabase()
    {
        // About 110 MB of rows with an index, then a tenth deleted so there is something to reclaim.
        storage::createDatabase(
            path, QStringLiteral("CREATE TABLE MOUVEMENT (NUM INTEGER, CODE TEXT COLLATE NOCASE, "
                                 "DONNEES BLOB);"
                                 "CREATE INDEX \"MOUVEMENT.NTX_CODE\" ON MOUVEMENT "
                                 "(CODE COLLATE NOCASE);"));
        storage::Database database = storage::Database::open(path);
        database.execute(QStringLiteral("WITH RECURSIVE n(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM n "
                                        "WHERE x < 400000) INSERT INTO MOUVEMENT SELECT x, 'Article ' || "
                                        "(x * 7919 % 400000), randomblob(240) FROM n"));
        database.execute(QStringLiteral("DELETE FROM MOUVEMENT WHERE NUM % 10 = 0"));
        // On the disk before anything is timed, as a database to compact has long been.
        ::sync();
    }

    static LargeDatabase &shared()
    {
        static LargeDatabase database;
        return database;
    }
};

void plainCopy(const QString &source, const QString &target)
{
    QFile::copy(source, target);
}

void compaction(const QString &source, const QString &target)
{
    storage::compactDatabase(source, target).release();
}

// One way of writing the database at the target path, timed; the target is removed between runs.
void WriteCopy(benchmark::State &state, void (*write)(const QString &, const QString &))
{
    LargeDatabase &database = LargeDatabase::shared();
    for (auto _ : state) {
        write(database.path, database.target);
        state.PauseTiming();
        QFile::remove(database.target);
        state.ResumeTiming();
    }
    state.counters["MB"] = static_cast<double>(QFile(database.path).size()) / 1e6;
}
BENCHMARK_CAPTURE(WriteCopy, Compaction, compaction)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(WriteCopy, PlainCopy, plainCopy)->Unit(benchmark::kMillisecond)->Iterations(3);

// Keeps each benchmark's time per iteration so that main can print the ratio.
class RatioReporter : public benchmark::ConsoleReporter
{
public:
    std::map<std::string, double> milliseconds;

    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const Run &run : runs)
            milliseconds[run.run_name.function_name] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
};

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double compaction = reporter.milliseconds["WriteCopy/Compaction"];
    const double copy = reporter.milliseconds["WriteCopy/PlainCopy"];
    if (copy > 0)
        std::printf("compaction %.1f ms, plain copy %.1f ms, ratio %.2f\n", compaction, copy,
                    compaction / copy);
    benchmark::Shutdown();
    return 0;
}
