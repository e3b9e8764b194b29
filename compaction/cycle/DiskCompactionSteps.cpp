#include "compaction/cycle/DiskCompactionSteps.h"

#include "compaction/cycle/SafeCopy.h"
#include "platform/CaseResolution.h"
#include "platform/FileFailure.h"
#include "platform/FileReplacement.h"
#include "platform/Files.h"
#include "platform/PathRules.h"

#include <QDir>
#include <sys/stat.h>

namespace compaction
{

namespace
{

// The failure number of a name that exists already.
constexpr int kFileExists = 58;

const platform::PathSyntax kSyntax = platform::PathSyntax::posix();

std::optional<std::pair<dev_t, ino_t>> identityOf(const QString &path)
{
    struct stat info;
    if (::lstat(platform::nativePath(path).constData(), &info) != 0 || !S_ISREG(info.st_mode))
        return std::nullopt;
    return std::pair(info.st_dev, info.st_ino);
}

// The source's folder and name as they lie on disk, and the upper-cased name the suite gives it.
struct SourceNames {
    QString current;
    QString upperCased;
};

SourceNames sourceNames(const QString &source)
{
    const QString current = platform::resolveCase(source);
    return {current, platform::joinPath(platform::parentPath(current, kSyntax),
                                        platform::lastComponent(source, kSyntax), kSyntax)};
}

// Other entries of the folder spelt like the upper-cased name ignoring case.
QStringList otherSpellings(const QString &upperCased)
{
    const QString folder = platform::parentPath(upperCased, kSyntax);
    const QString name = platform::lastComponent(upperCased, kSyntax);
    QStringList others;
    for (const QString &entry : QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (entry != name && entry.compare(name, Qt::CaseInsensitive) == 0)
            others.append(platform::joinPath(folder, entry, kSyntax));
    }
    return others;
}

} // namespace

void DiskCompactionSteps::compact(const QString &source, const QString &workCopy)
{
    m_sourceHold.reset();
    m_backedUpSource.reset();
    m_sourceHold = storage::compactDatabase(source, workCopy);
}

// A run killed between the rename of the work copy and the removal of the old name leaves the
// old name beside the upper-cased one; while it is a second name of the backup it holds nothing
// that the backup does not, so it goes with the backup. Any other file of that name stays.
void DiskCompactionSteps::deleteBackup(const QString &source, const QString &backup)
{
    const SourceNames names = sourceNames(source);
    const std::optional<FileIdentity> backupFile = identityOf(platform::resolveCase(backup));
    if (backupFile && identityOf(names.upperCased)) {
        for (const QString &other : otherSpellings(names.upperCased)) {
            if (identityOf(other) == backupFile)
                platform::deleteFile(other);
        }
    }
    platform::deleteFile(backup);
}

void DiskCompactionSteps::keepBackup(const QString &source, const QString &backup)
{
    try {
        try {
            linkBackup(source, backup);
        } catch (const platform::Failure &failure) {
            // An old backup that could not be deleted stays, and so does the source.
            if (failure.number() == kFileExists)
                throw;
            copyFileSafely(source, backup);
        }
        m_backedUpSource = identityOf(platform::resolveCase(source));
    } catch (...) {
        // No swap follows: the source stays as it is and may be opened again.
        m_sourceHold.reset();
        throw;
    }
}

void DiskCompactionSteps::replaceSource(const QString &workCopy, const QString &source)
{
    // Released however the swap ends; after the rename the source's name is the compacted file,
    // which nobody had open.
    const std::optional<storage::CompactionHold> hold = std::exchange(m_sourceHold, std::nullopt);
    // The compacted database takes the source's own (upper-cased) name: when the file on disk is
    // spelt otherwise, the work copy is renamed beside it first and the old name removed after,
    // once it is provably held by the backup (on a file system that ignores case, both names are
    // one entry and nothing is removed).
    const SourceNames names = sourceNames(source);
    const std::optional<FileIdentity> oldFile = identityOf(names.current);
    platform::replaceFile(platform::resolveCase(workCopy), names.upperCased);
    if (names.current != names.upperCased && oldFile && oldFile == m_backedUpSource &&
        oldFile != identityOf(names.upperCased))
        removeOldName(names.current);
}

void DiskCompactionSteps::linkBackup(const QString &source, const QString &backup)
{
    platform::linkFile(source, backup);
    platform::syncFolder(platform::parentPath(platform::resolveCase(backup), kSyntax));
}

void DiskCompactionSteps::removeOldName(const QString &oldName)
{
    platform::deleteFile(oldName);
}

} // namespace compaction
