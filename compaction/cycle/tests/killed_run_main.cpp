// Runs the module compaction of a folder and kills itself with SIGKILL at one chosen moment, to
// show what a crash then leaves on disk. The moments are counted over the whole run: before each
// step of the cycle, and before each write, truncation or deletion of a file by SQLite (inside
// the compaction: its temporary database, its journal and the database file itself).
// Without a kill it prints "moments <n>" and exits with 0 when the run completed, 1 when it
// stopped.
// Usage: compaction_killed_run <folder> <moment>   (counted from 0; -1: none)
#include "compaction/cycle/CompactionRun.h"
#include "compaction/cycle/DiskCompactionSteps.h"
#include "compaction/cycle/FindDatabases.h"
#include "compaction/cycle/testing/LogOnlyCaller.h"
#include "tests/support/fixtures/KilledAtMoment.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>

using namespace compaction;

namespace
{

using testing_support::moment;

class KillingSteps : public DiskCompactionSteps
{
public:
    void compact(const QString &source, const QString &workCopy, const QString &backup) override
    {
        moment();
        DiskCompactionSteps::compact(source, workCopy, backup);
    }
    void keepBackup() override
    {
        moment();
        DiskCompactionSteps::keepBackup();
    }
};

} // namespace

int main(int argc, char **argv)
{
    if (argc != 3)
        return 2;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    testing_support::installMomentVfs();
    testing_support::countMoments(std::atoi(argv[2]));
    QApplication app(argc, argv);
    const QString folder = QString::fromLocal8Bit(argv[1]);
    KillingSteps steps;
    testing::LogOnlyCaller caller;
    const Outcome outcome =
        runCompaction(findDatabases(folder, Selection::ModuleDatabases).sources, caller, steps);
    std::printf("moments %d\n", testing_support::momentsCounted());
    return outcome == Outcome::Completed ? 0 : 1;
}
