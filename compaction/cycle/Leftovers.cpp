#include "compaction/cycle/Leftovers.h"

#include "platform/CaseResolution.h"
#include "platform/FileFailure.h"
#include "platform/Files.h"
#include "platform/PathRules.h"
#include "storage/DatabaseFile.h"
#include "storage/PendingFile.h"

#include <QDir>
#include <optional>
#include <sys/stat.h>
#include <utility>

namespace compaction
{

namespace
{

const platform::PathSyntax kSyntax = platform::PathSyntax::posix();

using FileIdentity = std::pair<dev_t, ino_t>;

std::optional<FileIdentity> identityOf(const QString &path)
{
    struct stat info;
    if (::lstat(platform::nativePath(path).constData(), &info) != 0 || !S_ISREG(info.st_mode))
        return std::nullopt;
    return std::pair(info.st_dev, info.st_ino);
}

bool exists(const QString &path)
{
    struct stat info;
    return ::lstat(platform::nativePath(path).constData(), &info) == 0;
}

// Other entries of the source's folder spelt like it but for case.
QStringList otherSpellings(const QString &source)
{
    const QString folder = platform::parentPath(source, kSyntax);
    const QString name = platform::lastComponent(source, kSyntax);
    QStringList others;
    for (const QString &entry : QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (entry != name && entry.compare(name, Qt::CaseInsensitive) == 0)
            others.append(platform::joinPath(folder, entry, kSyntax));
    }
    return others;
}

} // namespace

void clearLeftovers(const QString &source, const QString &workCopy, const QString &backup)
{
    const QString workCopyOnDisk = platform::resolveCase(workCopy);
    if (exists(workCopyOnDisk))
        throw storage::targetExistsFailure(workCopyOnDisk);
    const QString backupOnDisk = platform::resolveCase(backup);
    for (const QString &temporary :
         storage::PendingFile::leftoversOf(backupOnDisk) + storage::PendingFile::leftoversOf(workCopyOnDisk))
        platform::deleteFile(temporary);
    if (const std::optional<FileIdentity> backupFile = identityOf(backupOnDisk)) {
        for (const QString &other : otherSpellings(source)) {
            if (identityOf(other) == backupFile)
                platform::deleteFile(other);
        }
    }
}

} // namespace compaction
