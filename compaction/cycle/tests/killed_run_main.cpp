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

#include <QApplication>
#include <csignal>
#include <cstdio>
#include <sqlite3.h>

using namespace compaction;

namespace
{

int g_killAt = -1;
int g_moments = 0;

void moment()
{
    if (g_moments++ == g_killAt)
        std::raise(SIGKILL);
}

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

// A VFS over the default one that counts a moment before every change SQLite makes to a file.
sqlite3_vfs *g_real = nullptr;

struct KillingFile {
    sqlite3_file base;
    sqlite3_file *real;
};

sqlite3_file *real(sqlite3_file *file)
{
    return reinterpret_cast<KillingFile *>(file)->real;
}

int fileClose(sqlite3_file *file)
{
    return real(file)->pMethods->xClose(real(file));
}
int fileRead(sqlite3_file *file, void *buffer, int amount, sqlite3_int64 offset)
{
    return real(file)->pMethods->xRead(real(file), buffer, amount, offset);
}
int fileWrite(sqlite3_file *file, const void *buffer, int amount, sqlite3_int64 offset)
{
    moment();
    return real(file)->pMethods->xWrite(real(file), buffer, amount, offset);
}
int fileTruncate(sqlite3_file *file, sqlite3_int64 size)
{
    moment();
    return real(file)->pMethods->xTruncate(real(file), size);
}
int fileSync(sqlite3_file *file, int flags)
{
    return real(file)->pMethods->xSync(real(file), flags);
}
int fileSize(sqlite3_file *file, sqlite3_int64 *size)
{
    return real(file)->pMethods->xFileSize(real(file), size);
}
int fileLock(sqlite3_file *file, int level)
{
    return real(file)->pMethods->xLock(real(file), level);
}
int fileUnlock(sqlite3_file *file, int level)
{
    return real(file)->pMethods->xUnlock(real(file), level);
}
int fileCheckReservedLock(sqlite3_file *file, int *reserved)
{
    return real(file)->pMethods->xCheckReservedLock(real(file), reserved);
}
int fileControl(sqlite3_file *file, int operation, void *argument)
{
    return real(file)->pMethods->xFileControl(real(file), operation, argument);
}
int fileSectorSize(sqlite3_file *file)
{
    return real(file)->pMethods->xSectorSize(real(file));
}
int fileDeviceCharacteristics(sqlite3_file *file)
{
    return real(file)->pMethods->xDeviceCharacteristics(real(file));
}
int fileShmMap(sqlite3_file *file, int region, int size, int extend, void volatile **mapped)
{
    return real(file)->pMethods->xShmMap(real(file), region, size, extend, mapped);
}
int fileShmLock(sqlite3_file *file, int offset, int count, int flags)
{
    return real(file)->pMethods->xShmLock(real(file), offset, count, flags);
}
void fileShmBarrier(sqlite3_file *file)
{
    real(file)->pMethods->xShmBarrier(real(file));
}
int fileShmUnmap(sqlite3_file *file, int deleteFlag)
{
    return real(file)->pMethods->xShmUnmap(real(file), deleteFlag);
}
int fileFetch(sqlite3_file *file, sqlite3_int64 offset, int amount, void **page)
{
    return real(file)->pMethods->xFetch(real(file), offset, amount, page);
}
int fileUnfetch(sqlite3_file *file, sqlite3_int64 offset, void *page)
{
    return real(file)->pMethods->xUnfetch(real(file), offset, page);
}

const sqlite3_io_methods kMethods = {
    3,
    fileClose,
    fileRead,
    fileWrite,
    fileTruncate,
    fileSync,
    fileSize,
    fileLock,
    fileUnlock,
    fileCheckReservedLock,
    fileControl,
    fileSectorSize,
    fileDeviceCharacteristics,
    fileShmMap,
    fileShmLock,
    fileShmBarrier,
    fileShmUnmap,
    fileFetch,
    fileUnfetch,
};

int vfsOpen(sqlite3_vfs *, sqlite3_filename name, sqlite3_file *file, int flags, int *outFlags)
{
    auto *killing = reinterpret_cast<KillingFile *>(file);
    killing->real = reinterpret_cast<sqlite3_file *>(killing + 1);
    const int opened = g_real->xOpen(g_real, name, killing->real, flags, outFlags);
    killing->base.pMethods = killing->real->pMethods ? &kMethods : nullptr;
    return opened;
}

int vfsDelete(sqlite3_vfs *, const char *name, int syncFolder)
{
    moment();
    return g_real->xDelete(g_real, name, syncFolder);
}

void installKillingVfs()
{
    static sqlite3_vfs vfs;
    g_real = sqlite3_vfs_find(nullptr);
    vfs = *g_real;
    vfs.zName = "killing";
    vfs.szOsFile = int(sizeof(KillingFile)) + g_real->szOsFile;
    vfs.xOpen = vfsOpen;
    vfs.xDelete = vfsDelete;
    sqlite3_vfs_register(&vfs, 1);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 3)
        return 2;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    installKillingVfs();
    QApplication app(argc, argv);
    const QString folder = QString::fromLocal8Bit(argv[1]);
    g_killAt = std::atoi(argv[2]);
    KillingSteps steps;
    testing::LogOnlyCaller caller;
    const Outcome outcome =
        runCompaction(findDatabases(folder, Selection::ModuleDatabases).sources, caller, steps);
    std::printf("moments %d\n", g_moments);
    return outcome == Outcome::Completed ? 0 : 1;
}
