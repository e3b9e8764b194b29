// The compaction cycle on the six module databases, about 100 MB in all, against the engine's own
// floor on the same databases in the same run: the sqlite3 command's VACUUM of each file where it
// lies, plus a copy of each file (the backup) followed by a flush of those copies. Prints both
// times and their ratio (target: at most 1.2) and the peak memory of a run made in a child process
// (target: under 64 MB).
// With TORB_BENCH_LARGE=1 the same again on 1 GB of databases, and the time per MB of both sizes:
// the time grows linearly with the size when the two are alike.
#include "compaction/cycle/CompactionRun.h"
#include "compaction/cycle/DiskCompactionSteps.h"
#include "compaction/cycle/FindDatabases.h"
#include "compaction/cycle/ModuleDatabases.h"
#include "compaction/cycle/testing/CompactionFiles.h"
#include "compaction/cycle/testing/LogOnlyCaller.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <memory>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace
{

constexpr qint64 kMegabyte = 1000 * 1000;
const char *const kChildOption = "--child-run";

// Six module databases of a total size, made once; each timed run works on fresh copies of them.
struct ModuleFolder {
    QTemporaryDir originals;
    QTemporaryDir work;

    explicit ModuleFolder(qint64 totalBytes)
    {
        const QStringList &names = compaction::moduleDatabaseNames();
        for (const QString &name : names)
            compaction::testing::makeDatabase(originals.filePath(name), name, totalBytes / names.size());
    }

    static ModuleFolder &ofMegabytes(int megabytes)
    {
        static std::map<int, std::unique_ptr<ModuleFolder>> folders;
        std::unique_ptr<ModuleFolder> &folder = folders[megabytes];
        if (!folder)
            folder = std::make_unique<ModuleFolder>(megabytes * kMegabyte);
        return *folder;
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

// Starts the program with the arguments and waits for it; true when it ended with 0.
bool runCommand(const QList<QByteArray> &arguments)
{
    std::vector<char *> argv;
    for (const QByteArray &argument : arguments)
        argv.push_back(const_cast<char *>(argument.constData()));
    argv.push_back(nullptr);
    pid_t child = 0;
    if (posix_spawnp(&child, argv[0], nullptr, nullptr, argv.data(), environ) != 0)
        return false;
    int status = 0;
    return waitpid(child, &status, 0) == child && status == 0;
}

void Compaction(benchmark::State &state)
{
    ModuleFolder &folder = ModuleFolder::ofMegabytes(int(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        folder.freshWorkFolder();
        state.ResumeTiming();
        if (compactModules(folder.workFolder()) != compaction::Outcome::Completed)
            state.SkipWithError("the compaction failed");
    }
}

// The engine's floor: the backups copied and flushed, then each database vacuumed where it lies.
void Floor(benchmark::State &state)
{
    ModuleFolder &folder = ModuleFolder::ofMegabytes(int(state.range(0)));
    const QString copies = folder.work.filePath(QStringLiteral("copies"));
    QList<QByteArray> copy{"cp"};
    QList<QByteArray> flush{"sync"};
    QList<QList<QByteArray>> vacuums;
    for (const QString &name : compaction::moduleDatabaseNames()) {
        const QByteArray database = QFile::encodeName(folder.work.filePath(name));
        copy << database;
        flush << QFile::encodeName(copies + QLatin1Char('/') + name);
        vacuums.append({"sqlite3", database, "VACUUM"});
    }
    copy << QFile::encodeName(copies);
    for (auto _ : state) {
        state.PauseTiming();
        folder.freshWorkFolder();
        QDir().mkpath(copies);
        state.ResumeTiming();
        bool done = runCommand(copy) && runCommand(flush);
        for (const QList<QByteArray> &vacuum : vacuums)
            done = done && runCommand(vacuum);
        if (!done)
            state.SkipWithError("a command failed");
    }
}

// Milliseconds per run of each benchmark, by name and size.
std::map<std::string, double> g_milliseconds;

class KeepingReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const Run &run : runs)
            g_milliseconds[run.run_name.function_name + "/" + run.run_name.args] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
};

// The peak resident memory of this process since it started its program, in MB: VmHWM belongs to
// the program's own memory, where getrusage would count the spawning process's too.
double ownPeakMegabytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    }
    return -1;
}

// A whole run in a child process, which prints its own peak memory.
double peakMegabytes(const QString &program, int megabytes)
{
    ModuleFolder &folder = ModuleFolder::ofMegabytes(megabytes);
    folder.freshWorkFolder();
    QProcess child;
    child.start(program, {QString::fromLatin1(kChildOption), folder.workFolder()});
    if (!child.waitForFinished(-1) || child.exitCode() != 0)
        return -1;
    return child.readAllStandardOutput().trimmed().toDouble();
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], kChildOption) == 0) {
        const bool completed =
            compactModules(QString::fromLocal8Bit(argv[2])) == compaction::Outcome::Completed;
        std::printf("%.1f\n", ownPeakMegabytes());
        return completed ? 0 : 1;
    }
    QList<int> sizes{100};
    if (qEnvironmentVariableIntValue("TORB_BENCH_LARGE") == 1)
        sizes << 1000;
    for (const int megabytes : sizes) {
        const int iterations = megabytes > 100 ? 1 : 3;
        benchmark::RegisterBenchmark("Compaction", Compaction)
            ->Arg(megabytes)
            ->Unit(benchmark::kMillisecond)
            ->Iterations(iterations)
            ->UseRealTime();
        benchmark::RegisterBenchmark("Floor", Floor)
            ->Arg(megabytes)
            ->Unit(benchmark::kMillisecond)
            ->Iterations(iterations)
            ->UseRealTime();
    }
    benchmark::Initialize(&argc, argv);
    KeepingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    for (const int megabytes : sizes) {
        const std::string size = std::to_string(megabytes);
        const double compactionMs = g_milliseconds["Compaction/" + size];
        const double floorMs = g_milliseconds["Floor/" + size];
        if (compactionMs <= 0 || floorMs <= 0)
            continue;
        std::printf("%d MB: compaction %.0f ms (%.2f ms/MB), floor %.0f ms (%.2f ms/MB): ratio %.2f "
                    "(target <= 1.2); peak memory %.1f MB (target < 64 MB)\n",
                    megabytes, compactionMs, compactionMs / megabytes, floorMs, floorMs / megabytes,
                    compactionMs / floorMs,
                    peakMegabytes(QCoreApplication::applicationFilePath(), megabytes));
    }
    benchmark::Shutdown();
    return 0;
}
