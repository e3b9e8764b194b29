#include "storage/PendingFile.h"

#include "platform/CaseResolution.h"
#include "platform/FileFailure.h"
#include "platform/FileReplacement.h"
#include "platform/Files.h"
#include "platform/PathRules.h"

#include <QDir>
#include <QFileInfo>
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

platform::Failure saveFailure(const QString &finalPath, int error)
{
    return platform::fileFailure(QStringLiteral("Impossible d'enregistrer"), finalPath, error);
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
    throw saveFailure(finalPath, error);
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

void PendingFile::takePermissionsOf(const QString &path)
{
    struct stat info;
    if (::stat(platform::nativePath(path).constData(), &info) == 0)
        ::fchmod(m_descriptor, info.st_mode & 07777);
}

void PendingFile::write(const QByteArray &bytes)
{
    for (qsizetype written = 0; written < bytes.size();) {
        const ssize_t done =
            ::write(m_descriptor, bytes.constData() + written, size_t(bytes.size() - written));
        if (done < 0 && errno == EINTR)
            continue;
        if (done <= 0)
            throw saveFailure(m_finalPath, done < 0 ? errno : ENOSPC);
        written += done;
    }
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
        throw saveFailure(m_finalPath, errno);
    // A network file system may report a failed write only when a descriptor closes: a duplicate
    // is closed to hear it while ours still holds the temporary.
    const int duplicate = ::dup(m_descriptor);
    if (duplicate < 0 || ::close(duplicate) != 0)
        throw saveFailure(m_finalPath, errno);
}

void PendingFile::closeNamed()
{
    ::close(m_descriptor);
    m_descriptor = -1;
}

void writeWholeFile(const QString &path, const QByteArray &bytes)
{
    QString target = platform::resolveCase(path);
    if (const QFileInfo link(target); link.isSymLink() && link.exists())
        target = link.canonicalFilePath();
    PendingFile file(target);
    file.takePermissionsOf(target);
    file.write(bytes);
    file.replaceFinal();
}

} // namespace storage
