// The compaction cycle on the six module databases, about 100 MB in all, against copying the same
// files with cp; prints both times, their ratio (target: at most 3) and the peak memory of a run
// made in a child process (target: under 64 MB). The cycle flushes every compacted file to disk
// and cp does not, so a copy followed by sync of its files is timed too, as the durable baseline.
#include "compaction/cycle/CompactionRun.h"
#include "compaction/cycle/DiskCompactionSteps.h"
#include "compaction/cycle/FindDatabases.h"
#include "compaction/cycle/ModuleDatabases.h"
#include "compaction/cycle/testing/CompactionFiles.h"
#include "compaction/cycle/testing/LogOnlyCaller.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace
{

constexpr qint64 kTotalBytes = 100 * 1000 * 1000;
const char *const kChildOption = "--child-run";

// The six databases, made once; each timed run works on fresh copies of them.
struct ModuleFolder {
    QTemporaryDir originals;
    QTemporaryDir work;

    ModuleFolder()
    {
        const QStringList &names = compaction::moduleDatabaseNames();
        for (const QString &name : names)
            compaction::testing::makeDatabase(originals.filePath(name), name, kTotalBytes / names.size());
    }

    static ModuleFolder &shared()
    {
        static ModuleFolder folder;
        return folder;
    }

    QString workFolder() const { return work.path() + QLatin1Char('/'); }

    // The copies are written out before the timing resumes: databases to compact have long been
    // on the disk, and their write-back would otherwise slow the compaction's own writes down.
    void freshWorkFolder()
    {
        QDir(work.path()).removeRecursively();
        QDir().mkpath(work.path());
        for (const QString &name : compaction::moduleDatabaseNames())
            QFile::copy(originals.filePath(name), work.filePath(name));
        ::sync();
    }
};

compaction::Outcome compactModules(const QString &folder)
{
    compaction::testing::LogOnlyCaller caller;
    compaction::DiskCompactionSteps steps;
    return compaction::runCompaction(
        compaction::findDatabases(folder, compaction::Selection::ModuleDatabases).sources, caller, steps);
}

// Starts the program with the arguments and waits for it; gives its exit status and its usage.
int runChild(const QList<QByteArray> &arguments, rusage &usage)
{
    std::vector<char *> argv;
    for (const QByteArray &argument : arguments)
        argv.push_back(const_cast<char *>(argument.constData()));
    argv.push_back(nullptr);
    pid_t child = 0;
    if (posix_spawnp(&child, argv[0], nullptr, nullptr, argv.data(), environ) != 0)
        return -1;
    int status = 0;
    wait4(child, &status, 0, &usage);
    return status;
}

// Milliseconds per run of each benchmark, by name.
std::map<std::string, double> g_milliseconds;

void Compaction(benchmark::State &state)
{
    ModuleFolder &folder = ModuleFolder::shared();
    for (auto _ : state) {
        state.PauseTiming();
        folder.freshWorkFolder();
        state.ResumeTiming();
        if (compactModules(folder.workFolder()) != compaction::Outcome::Completed)
            state.SkipWithError("the compaction failed");
    }
}
BENCHMARK(Compaction)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

void CopyWithCp(benchmark::State &state, bool thenSync)
{
    ModuleFolder &folder = ModuleFolder::shared();
    QList<QByteArray> copy{"cp"};
    QList<QByteArray> sync{"sync"};
    for (const QString &name : compaction::moduleDatabaseNames()) {
        copy << QFile::encodeName(folder.originals.filePath(name));
        sync << QFile::encodeName(folder.work.filePath(name));
    }
    copy << QFile::encodeName(folder.work.path());
    for (auto _ : state) {
        state.PauseTiming();
        QDir(folder.work.path()).removeRecursively();
        QDir().mkpath(folder.work.path());
        state.ResumeTiming();
        rusage usage{};
        if (runChild(copy, usage) != 0 || (thenSync && runChild(sync, usage) != 0))
            state.SkipWithError("cp failed");
    }
}
BENCHMARK_CAPTURE(CopyWithCp, Cp, false)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();
BENCHMARK_CAPTURE(CopyWithCp, CpThenSync, true)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

class KeepingReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const Run &run : runs)
            g_milliseconds[run.run_name.function_name + run.run_name.args] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
};

// A whole run in a child process, so that its peak resident memory is its own.
void reportPeakMemory(const char *program)
{
    ModuleFolder &folder = ModuleFolder::shared();
    folder.freshWorkFolder();
    rusage usage{};
    const int status = runChild({program, kChildOption, QFile::encodeName(folder.workFolder())}, usage);
    std::printf("peak memory of a run on %.0f MB: %.1f MB (target < 64 MB)%s\n", kTotalBytes / 1e6,
                usage.ru_maxrss / 1024.0, status == 0 ? "" : " -- the run failed");
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], kChildOption) == 0)
        return compactModules(QString::fromLocal8Bit(argv[2])) == compaction::Outcome::Completed ? 0 : 1;
    benchmark::Initialize(&argc, argv);
    KeepingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double compactionMs = g_milliseconds["Compaction"];
    const double cpMs = g_milliseconds["CopyWithCp/Cp"];
    const double syncedMs = g_milliseconds["CopyWithCp/CpThenSync"];
    if (cpMs > 0 && syncedMs > 0)
        std::printf(
            "compaction %.0f ms, cp %.0f ms: ratio %.2f (target <= 3); cp then sync %.0f ms: ratio %.2f\n",
            compactionMs, cpMs, compactionMs / cpMs, syncedMs, compactionMs / syncedMs);
    reportPeakMemory(argv[0]);
    benchmark::Shutdown();
    return 0;
}
