// Runs the module compaction of a folder and kills itself with SIGKILL just before one of its
// file steps, to show what a crash at that moment leaves on disk. Without a kill it exits with 0
// when the run completed, 1 when it stopped.
// Usage: compaction_killed_run <folder> <step>   (steps counted from 0 over the whole run; -1: none)
#include "compaction/cycle/CompactionRun.h"
#include "compaction/cycle/DiskCompactionSteps.h"
#include "compaction/cycle/FindDatabases.h"
#include "compaction/cycle/testing/LogOnlyCaller.h"
#include "storage/Compaction.h"

#include <QApplication>
#include <csignal>

using namespace compaction;

namespace
{

class KillingSteps : public DiskCompactionSteps
{
public:
    explicit KillingSteps(int killAt) : m_remaining(killAt) {}

    void compact(const QString &source, const QString &workCopy) override
    {
        beforeStep();
        // Inside the compaction: the copy is written and flushed, not yet named.
        if (isKillPoint()) {
            const storage::CompactedCopy copy = storage::compactIntoTemporary(source, workCopy);
            std::raise(SIGKILL);
        }
        DiskCompactionSteps::compact(source, workCopy);
    }
    void deleteBackup(const QString &source, const QString &backup) override
    {
        beforeStep();
        DiskCompactionSteps::deleteBackup(source, backup);
    }
    void keepBackup(const QString &source, const QString &backup) override
    {
        beforeStep();
        DiskCompactionSteps::keepBackup(source, backup);
    }
    void replaceSource(const QString &workCopy, const QString &source) override
    {
        beforeStep();
        DiskCompactionSteps::replaceSource(workCopy, source);
    }

protected:
    void removeOldName(const QString &oldName) override
    {
        beforeStep();
        DiskCompactionSteps::removeOldName(oldName);
    }

private:
    bool isKillPoint() { return m_remaining-- == 0; }
    void beforeStep()
    {
        if (isKillPoint())
            std::raise(SIGKILL);
    }

    int m_remaining;
};

} // namespace

int main(int argc, char **argv)
{
    if (argc != 3)
        return 2;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString folder = QString::fromLocal8Bit(argv[1]);
    KillingSteps steps(std::atoi(argv[2]));
    testing::LogOnlyCaller caller;
    const Outcome outcome =
        runCompaction(findDatabases(folder, Selection::ModuleDatabases).sources, caller, steps);
    return outcome == Outcome::Completed ? 0 : 1;
}
