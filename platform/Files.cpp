#include "platform/Files.h"

#include "platform/CaseResolution.h"
#include "platform/FileFailure.h"
#include "platform/PathRules.h"

#include <QFile>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform
{

namespace
{

bool hasType(const QString &path, mode_t type)
{
    struct stat info;
    return ::stat(nativePath(resolveCase(path)).constData(), &info) == 0 && (info.st_mode & S_IFMT) == type;
}

bool byNameIgnoringCase(const QString &a, const QString &b)
{
    const int order = a.compare(b, Qt::CaseInsensitive);
    return order != 0 ? order < 0 : a < b;
}

} // namespace

bool isOrdinaryFile(const QString &path)
{
    return hasType(path, S_IFREG);
}

bool isFolder(const QString &path)
{
    return hasType(path, S_IFDIR);
}

QStringList listFiles(const QString &folder, const QString &pattern)
{
    const QString resolved = resolveCase(folder.isEmpty() ? QStringLiteral(".") : folder);
    DIR *dir = ::opendir(nativePath(resolved).constData());
    if (!dir)
        throw fileFailure(QStringLiteral("Impossible de lire le dossier"), folder, errno, pathNotFound);
    QStringList names;
    while (const dirent *entry = ::readdir(dir)) {
        const QString name = QFile::decodeName(entry->d_name);
        if (name.startsWith(QLatin1Char('.')) || !wildcardMatches(pattern, name))
            continue;
        struct stat info;
        const QByteArray full = nativePath(joinPath(resolved, name, PathSyntax::posix()));
        if (::stat(full.constData(), &info) == 0 && S_ISREG(info.st_mode))
            names.append(name);
    }
    ::closedir(dir);
    std::sort(names.begin(), names.end(), byNameIgnoringCase);
    return names;
}

QString fileMatches(const QString &pattern)
{
    const PathSyntax syntax = PathSyntax::posix();
    const QString name = lastComponent(pattern, syntax);
    if (name.isEmpty())
        return QString();
    const QString folder =
        pattern.contains(QLatin1Char('/')) ? parentPath(pattern, syntax) : QStringLiteral(".");
    if (!isFolder(folder))
        return QString();
    const QStringList found = listFiles(folder, name);
    return found.isEmpty() ? QString() : found.first();
}

void deleteFile(const QString &path)
{
    if (::unlink(nativePath(resolveCase(path)).constData()) != 0)
        throw fileFailure(QStringLiteral("Impossible de supprimer"), path, errno);
}

void renameFile(const QString &from, const QString &to)
{
    const QByteArray source = nativePath(resolveCase(from));
    const QByteArray target = nativePath(resolveCase(to));
    if (::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) == 0)
        return;
    int error = errno;
    if (error == EINVAL || error == ENOSYS) {
        // The file system cannot refuse a replacement by itself: a link fails on an existing name.
        if (::link(source.constData(), target.constData()) == 0) {
            ::unlink(source.constData());
            return;
        }
        error = errno;
    }
    throw fileFailure(QStringLiteral("Impossible de renommer %1 en").arg(from), to, error);
}

void linkFile(const QString &existing, const QString &newName)
{
    if (::link(nativePath(resolveCase(existing)).constData(), nativePath(resolveCase(newName)).constData()) !=
        0)
        throw fileFailure(QStringLiteral("Impossible de donner à %1 le second nom").arg(existing), newName,
                          errno);
}

void syncFile(const QString &path)
{
    const int fd = ::open(nativePath(resolveCase(path)).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        throw fileFailure(QStringLiteral("Impossible d'ouvrir"), path, errno);
    const int result = ::fsync(fd);
    const int error = errno;
    ::close(fd);
    if (result != 0)
        throw fileFailure(QStringLiteral("Impossible d'enregistrer sur le disque"), path, error);
}

QString currentDirectory()
{
    char buffer[PATH_MAX];
    if (!::getcwd(buffer, sizeof buffer))
        throw fileFailure(QStringLiteral("Impossible de lire le dossier courant"), QString(), errno);
    return QFile::decodeName(buffer);
}

void setCurrentDirectory(const QString &path)
{
    if (::chdir(nativePath(resolveCase(path)).constData()) != 0)
        throw fileFailure(QStringLiteral("Impossible de passer au dossier"), path, errno, pathNotFound);
}

QString programFolder()
{
    char buffer[PATH_MAX];
    const ssize_t length = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (length < 0)
        throw fileFailure(QStringLiteral("Impossible de trouver le programme en cours"),
                          QStringLiteral("/proc/self/exe"), errno);
    return parentPath(QFile::decodeName(QByteArray(buffer, length)), PathSyntax::posix());
}

} // namespace platform
