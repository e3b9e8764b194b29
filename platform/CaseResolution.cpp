#include "platform/CaseResolution.h"

#include "platform/FileFailure.h"

#include <QFile>
#include <QStringList>
#include <dirent.h>
#include <sys/stat.h>

#include <optional>

namespace platform
{

namespace
{

bool entryExists(const QByteArray &path)
{
    struct stat info;
    return ::lstat(path.constData(), &info) == 0;
}

bool fileExists(const QString &path)
{
    struct stat info;
    return ::stat(nativePath(path).constData(), &info) == 0 && S_ISREG(info.st_mode);
}

// The entry of the folder whose name equals the name ignoring case, the first in byte order.
std::optional<QString> caseInsensitiveEntry(const QByteArray &folder, const QString &name)
{
    DIR *dir = ::opendir(folder.isEmpty() ? "." : folder.constData());
    if (!dir)
        return std::nullopt;
    std::optional<QByteArray> best;
    while (const dirent *entry = ::readdir(dir)) {
        const QByteArray raw(entry->d_name);
        if (QFile::decodeName(raw).compare(name, Qt::CaseInsensitive) == 0 && (!best || raw < *best))
            best = raw;
    }
    ::closedir(dir);
    if (!best)
        return std::nullopt;
    return QFile::decodeName(*best);
}

} // namespace

QString resolveCase(const QString &path)
{
    QStringList components = path.split(QLatin1Char('/'));
    // The folder reached so far, as the system calls see it ("" stands for the current one).
    QByteArray reached = path.startsWith(QLatin1Char('/')) ? QByteArray("/") : QByteArray();
    for (QString &component : components) {
        if (component.isEmpty())
            continue;
        const QByteArray prefix = reached.isEmpty() || reached.endsWith('/') ? reached : reached + '/';
        if (component != QLatin1String(".") && component != QLatin1String("..") &&
            !entryExists(prefix + nativePath(component))) {
            const std::optional<QString> found = caseInsensitiveEntry(reached, component);
            if (!found)
                break;
            component = *found;
        }
        reached = prefix + nativePath(component);
    }
    return components.join(QLatin1Char('/'));
}

QString resolveProgram(const QString &path)
{
    const QString resolved = resolveCase(path);
    if (fileExists(resolved) || !path.endsWith(QLatin1String(".exe"), Qt::CaseInsensitive))
        return resolved;
    const QString withoutEnding = resolveCase(path.chopped(4));
    return fileExists(withoutEnding) ? withoutEnding : resolved;
}

} // namespace platform
