#include "platform/FileFailure.h"

#include <QFile>
#include <cerrno>
#include <cstring>

namespace platform
{

namespace
{

int failureNumber(int error, int missingNumber)
{
    switch (error) {
    case ENOENT:
        return missingNumber;
    case ENOTDIR:
        return pathNotFound;
    case EEXIST:
    case ENOTEMPTY:
        return 58;
    case EACCES:
    case EPERM:
    case EROFS:
        return 70;
    default:
        return 75;
    }
}

} // namespace

Failure fileFailure(const QString &what, const QString &path, int error, int missingNumber)
{
    return Failure(QStringLiteral("%1 %2: %3").arg(what, path, QString::fromLocal8Bit(std::strerror(error))),
                   failureNumber(error, missingNumber));
}

QByteArray nativePath(const QString &path)
{
    return QFile::encodeName(path);
}

} // namespace platform
