#include "platform/FileReplacement.h"

#include "platform/FileFailure.h"
#include "platform/PathRules.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace platform
{

void syncFolder(const QString &folder)
{
    const int descriptor = ::open(nativePath(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0)
        throw fileFailure(QStringLiteral("Impossible d'ouvrir le dossier"), folder, errno, pathNotFound);
    const int result = ::fsync(descriptor);
    const int error = errno;
    ::close(descriptor);
    if (result != 0)
        throw fileFailure(QStringLiteral("Impossible d'enregistrer sur le disque le dossier"), folder, error,
                          pathNotFound);
}

void replaceFile(const QString &from, const QString &to)
{
    if (std::rename(nativePath(from).constData(), nativePath(to).constData()) != 0)
        throw fileFailure(QStringLiteral("Impossible de remplacer"), to, errno);
    syncFolder(parentPath(to, PathSyntax::posix()));
}

} // namespace platform
