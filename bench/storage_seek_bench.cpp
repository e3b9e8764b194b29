// Seek plus field read on a 50,000-row table with a case-insensitive text index, the way the
// launcher looks up each translated text. Target: median under 5 microseconds (HeldRead).
#include "storage/CreateDatabase.h"
#include "storage/Database.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <optional>
#include <random>

namespace
{

constexpr int rowCount = 50000;

QString keyOf(int row)
{
    return QStringLiteral("Libellé numéro %1").arg(row, 5, 10, QLatin1Char('0')).left(20);
}

struct SeekTable {
    QTemporaryDir folder;
    std::optional<storage::Database> database;
    std::optional<storage::TableCursor> cursor;

    SeekTable()
    {
        const QString path = folder.filePath(QStringLiteral("BDLOC.MDB"));
        storage::createDatabase(path, QStringLiteral("CREATE TABLE TMP_TRAD (T_ABREGE TEXT COLLATE NOCASE, "
                                                     "T_VALEUR TEXT, T_TRAD TEXT);"
                                                     "CREATE INDEX \"TMP_TRAD.NTX_ABREGE\" ON TMP_TRAD "
                                                     "(T_ABREGE COLLATE NOCASE);"));
        database = storage::Database::open(path);
        database->execute(QStringLiteral("BEGIN"));
        for (int row = 0; row < rowCount; ++row)
            database->execute(QStringLiteral("INSERT INTO TMP_TRAD VALUES (?, ?, ?)"),
                              {keyOf(row), keyOf(row) + QStringLiteral(" et la suite"),
                               QStringLiteral("Translation %1").arg(row)});
        database->execute(QStringLiteral("COMMIT"));
        cursor = database->openTable(QStringLiteral("TMP_TRAD"));
        cursor->setIndex(QStringLiteral("NTX_ABREGE"));
    }
};

// With release, each seek also ends its read as the launcher does after every lookup, so the
// next one locks and checks the file again.
void SeekAndReadField(benchmark::State &state, bool releaseAfterEachSeek)
{
    static SeekTable table;
    std::mt19937 random(42);
    std::uniform_int_distribution<int> rows(0, rowCount - 1);
    QStringList keys;
    for (int i = 0; i < 1024; ++i)
        keys << keyOf(rows(random)).toUpper();
    int next = 0;
    for (auto _ : state) {
        table.cursor->seek(storage::SeekOperator::GreaterOrEqual, {keys[next++ & 1023]});
        benchmark::DoNotOptimize(table.cursor->value(QStringLiteral("T_TRAD")));
        if (releaseAfterEachSeek)
            table.database->releaseReadLocks();
    }
}
BENCHMARK_CAPTURE(SeekAndReadField, HeldRead, false)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(7)
    ->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(SeekAndReadField, ReleasedRead, true)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(7)
    ->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
