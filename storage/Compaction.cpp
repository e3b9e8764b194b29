#include "storage/Compaction.h"

#include "storage/Connection.h"
#include "storage/DatabaseFile.h"
#include "storage/RawConnection.h"
#include "storage/SqliteValues.h"
#include "storage/UseMark.h"

#include "platform/CaseResolution.h"
#include "platform/FileFailure.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace storage
{

namespace
{

bool pathTaken(const QString &path)
{
    struct stat info;
    return ::lstat(platform::nativePath(path).constData(), &info) == 0;
}

void syncPath(const QString &path, int flags)
{
    const int descriptor = ::open(platform::nativePath(path).constData(), flags | O_CLOEXEC);
    if (descriptor < 0 || ::fsync(descriptor) != 0) {
        const int error = errno;
        if (descriptor >= 0)
            ::close(descriptor);
        throw platform::fileFailure(QStringLiteral("Écriture sur le disque de"), path, error);
    }
    ::close(descriptor);
}

// The source, read-only, with our collation: rebuilt indexes keep the order our cursors expect.
void vacuumInto(const QString &source, const QString &target)
{
    const RawConnection connection(databaseUri(source, true).toUtf8(),
                                   SQLITE_OPEN_READONLY | SQLITE_OPEN_URI);
    requireReadableSchema(connection.handle(), QStringLiteral("main"), source);
    StatementRun vacuum(connection.handle(), QStringLiteral("VACUUM INTO ?1"));
    bindValue(vacuum.get(), 1, QFileInfo(target).absoluteFilePath());
    vacuum.step();
}

} // namespace

void compactDatabase(const QString &sourcePath, const QString &targetPath)
{
    const QString source = existingDatabaseFile(sourcePath);
    const QString target = platform::resolveCase(targetPath);
    if (pathTaken(target))
        throw targetExistsFailure(targetPath);
    const UseMark alone(source, UseMark::Kind::Exclusive);
    try {
        vacuumInto(source, target);
        syncPath(target, O_RDONLY);
        syncPath(QFileInfo(target).absolutePath(), O_RDONLY | O_DIRECTORY);
    } catch (...) {
        // What lies at the target is our own unfinished copy.
        QFile::remove(target);
        throw;
    }
}

} // namespace storage
