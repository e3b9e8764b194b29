// Compaction of a database of about 100 MB where it lies, with its copy for the backup, against a
// plain copy of the same file; prints both times and their ratio.
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
    QString original = folder.filePath(QStringLiteral("ORIGINAL.MDB"));
    QString path = folder.filePath(QStringLiteral("TORBSTOC.MDB"));
    QString target = folder.filePath(QStringLiteral("TORBSTOC.BAKMDB"));

    LargeDatabase()
    {
        // About 110 MB of rows with an index, then a tenth deleted so there is something to reclaim.
        storage::createDatabase(
            original, QStringLiteral("CREATE TABLE MOUVEMENT (NUM INTEGER, CODE TEXT COLLATE NOCASE, "
                                     "DONNEES BLOB);"
                                     "CREATE INDEX \"MOUVEMENT.NTX_CODE\" ON MOUVEMENT "
                                     "(CODE COLLATE NOCASE);"));
        storage::Database database = storage::Database::open(original);
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
    storage::Compaction compaction(source);
    compaction.copyBeside(target);
    compaction.compactInPlace();
    compaction.replaceTarget();
}

// One way of writing the database, timed, on a fresh copy of the original each time.
void WriteCopy(benchmark::State &state, void (*write)(const QString &, const QString &))
{
    LargeDatabase &database = LargeDatabase::shared();
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(database.path);
        QFile::remove(database.target);
        QFile::copy(database.original, database.path);
        ::sync();
        state.ResumeTiming();
        write(database.path, database.target);
    }
    state.counters["MB"] = static_cast<double>(QFile(database.original).size()) / 1e6;
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
