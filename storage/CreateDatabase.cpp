#include "storage/CreateDatabase.h"

#include "storage/DatabaseFile.h"
#include "storage/RawConnection.h"

#include "platform/CaseResolution.h"
#include "platform/FileFailure.h"

#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace storage
{

namespace
{

// Claims the name first, so that an existing file is never taken over.
void claimNewFile(const QString &path, const QString &asked)
{
    const int descriptor =
        ::open(platform::nativePath(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (descriptor >= 0) {
        ::close(descriptor);
        return;
    }
    if (errno == EEXIST)
        throw targetExistsFailure(asked);
    throw platform::fileFailure(QStringLiteral("Impossible de créer"), asked, errno);
}

void runSchema(const QString &path, const QString &schemaSql)
{
    const RawConnection connection(platform::nativePath(path), SQLITE_OPEN_READWRITE);
    connection.execute(schemaSql.toUtf8().constData());
}

} // namespace

void createDatabase(const QString &path, const QString &schemaSql)
{
    const QString resolved = platform::resolveCase(path);
    claimNewFile(resolved, path);
    try {
        runSchema(resolved, schemaSql);
    } catch (...) {
        QFile::remove(resolved);
        throw;
    }
}

} // namespace storage
