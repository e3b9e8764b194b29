// Runs the module compaction of a folder and kills itself with SIGKILL just before one of its
// file steps, to show what a crash at that moment leaves on disk.
// Usage: compaction_killed_run <folder> <step>   (steps counted from 0 over the whole run)
#include "compaction/cycle/CompactionRun.h"
#include "compaction/cycle/DiskCompactionSteps.h"
#include "compaction/cycle/FindDatabases.h"
#include "compaction/cycle/testing/LogOnlyCaller.h"

#include <QApplication>
#include <csignal>

using namespace compaction;

namespace
{

class KillingSteps : public CompactionSteps
{
public:
    explicit KillingSteps(int killAt) : m_remaining(killAt) {}

    void compact(const QString &source, const QString &workCopy) override
    {
        beforeStep();
        m_disk.compact(source, workCopy);
    }
    void deleteBackup(const QString &backup) override
    {
        beforeStep();
        m_disk.deleteBackup(backup);
    }
    void keepBackup(const QString &source, const QString &backup) override
    {
        beforeStep();
        m_disk.keepBackup(source, backup);
    }
    void replaceSource(const QString &workCopy, const QString &source) override
    {
        beforeStep();
        m_disk.replaceSource(workCopy, source);
    }

private:
    void beforeStep()
    {
        if (m_remaining-- == 0)
            std::raise(SIGKILL);
    }

    DiskCompactionSteps m_disk;
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
    runCompaction(findDatabases(folder, Selection::ModuleDatabases).sources, caller, steps);
    return 0;
}
