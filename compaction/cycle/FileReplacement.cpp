#include "compaction/cycle/FileReplacement.h"

#include "platform/Failure.h"
#include "platform/PathRules.h"

#include <QFile>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace compaction
{

namespace
{

[[noreturn]] void fail(const QString &what, const QString &path, int error)
{
    throw platform::Failure(
        QStringLiteral("%1 %2 : %3").arg(what, path, QString::fromLocal8Bit(std::strerror(error))), error);
}

void syncFolder(const QString &folder)
{
    const int descriptor = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    if (descriptor < 0)
        fail(QStringLiteral("Cannot open the folder"), folder, errno);
    const int result = ::fsync(descriptor);
    const int error = errno;
    ::close(descriptor);
    if (result != 0)
        fail(QStringLiteral("Cannot flush the folder"), folder, error);
}

} // namespace

void replaceFile(const QString &from, const QString &to)
{
    if (std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) != 0)
        fail(QStringLiteral("Cannot rename %1 to").arg(from), to, errno);
    syncFolder(platform::parentPath(to, platform::PathSyntax::posix()));
}

} // namespace compaction
