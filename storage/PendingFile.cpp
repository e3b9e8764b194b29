#include "storage/PendingFile.h"

#include "platform/FileFailure.h"
#include "platform/FileReplacement.h"
#include "platform/Files.h"
#include "platform/PathRules.h"

#include <QDir>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace storage
{

namespace
{

constexpr int kSuffixLength = 8;
const platform::PathSyntax kSyntax = platform::PathSyntax::posix();

// Ends in neither ".mdb" nor ".bakmdb", so no listing of the suite takes it for a database.
QString temporaryName(const QString &finalPath)
{
    static const char letters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    QString suffix;
    for (int index = 0; index < kSuffixLength; ++index)
        suffix += QLatin1Char(letters[QRandomGenerator::global()->bounded(int(sizeof letters) - 1)]);
    return finalPath + QLatin1Char('.') + suffix + QStringLiteral(".tmp");
}

bool sameFile(int descriptor, const QString &path)
{
    struct stat opened;
    struct stat named;
    return ::fstat(descriptor, &opened) == 0 &&
           ::lstat(platform::nativePath(path).constData(), &named) == 0 && opened.st_dev == named.st_dev &&
           opened.st_ino == named.st_ino;
}

} // namespace

PendingFile::PendingFile(const QString &finalPath) : m_finalPath(finalPath)
{
    constexpr int attempts = 16;
    int error = EEXIST;
    for (int attempt = 0; attempt < attempts && error == EEXIST; ++attempt) {
        m_temporaryPath = temporaryName(finalPath);
        m_descriptor = ::open(platform::nativePath(m_temporaryPath).constData(),
                              O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (m_descriptor >= 0)
            return;
        error = errno;
    }
    throw platform::fileFailure(QStringLiteral("Impossible de créer le fichier temporaire"), m_temporaryPath,
                                error);
}

PendingFile::~PendingFile()
{
    if (m_descriptor < 0)
        return;
    // Whatever lies under the temporary name now is removed only when it is still the file we made.
    if (sameFile(m_descriptor, m_temporaryPath))
        ::unlink(platform::nativePath(m_temporaryPath).constData());
    ::close(m_descriptor);
}

void PendingFile::replaceFinal()
{
    flush();
    platform::replaceFile(m_temporaryPath, m_finalPath);
    closeNamed();
}

QStringList PendingFile::leftoversOf(const QString &finalPath)
{
    const QString folder = platform::parentPath(finalPath, kSyntax);
    const QRegularExpression temporary(
        QStringLiteral("^%1\\.[a-z0-9]{%2}\\.tmp(-journal)?$")
            .arg(QRegularExpression::escape(platform::lastComponent(finalPath, kSyntax)),
                 QString::number(kSuffixLength)),
        QRegularExpression::CaseInsensitiveOption);
    QStringList found;
    for (const QString &entry : QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (temporary.match(entry).hasMatch())
            found.append(platform::joinPath(folder, entry, kSyntax));
    }
    return found;
}

void PendingFile::flush()
{
    if (::fsync(m_descriptor) != 0)
        throw platform::fileFailure(QStringLiteral("Impossible d'enregistrer sur le disque"), m_temporaryPath,
                                    errno);
}

void PendingFile::closeNamed()
{
    ::close(m_descriptor);
    m_descriptor = -1;
}

} // namespace storage
