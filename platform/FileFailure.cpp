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
    case ENOSPC:
    case EDQUOT:
        return 61;
    case EIO:
        return 57;
    case EMFILE:
    case ENFILE:
        return 67;
    case EXDEV:
        return 74;
    case EACCES:
    case EPERM:
    case EROFS:
    case ETXTBSY:
    case EBUSY:
        return 70;
    default:
        return 75;
    }
}

} // namespace

QString systemErrorCause(int error)
{
    switch (error) {
    case ENOENT:
        return QStringLiteral("fichier ou dossier introuvable");
    case ENOTDIR:
        return QStringLiteral("un élément du chemin n'est pas un dossier");
    case EISDIR:
        return QStringLiteral("c'est un dossier et non un fichier");
    case EACCES:
    case EPERM:
        return QStringLiteral("permission refusée");
    case EROFS:
        return QStringLiteral("système de fichiers en lecture seule");
    case ENOSPC:
        return QStringLiteral("disque plein");
    case EDQUOT:
        return QStringLiteral("quota du disque dépassé");
    case ETXTBSY:
    case EBUSY:
        return QStringLiteral("fichier en cours d'utilisation");
    case EAGAIN:
        return QStringLiteral("ressource momentanément indisponible");
    case EEXIST:
        return QStringLiteral("le fichier existe déjà");
    case ENOTEMPTY:
        return QStringLiteral("le dossier n'est pas vide");
    case EIO:
        return QStringLiteral("erreur de lecture ou d'écriture sur le disque");
    case ENAMETOOLONG:
        return QStringLiteral("nom de fichier trop long");
    case ELOOP:
        return QStringLiteral("trop de liens symboliques dans le chemin");
    case EMFILE:
    case ENFILE:
        return QStringLiteral("trop de fichiers ouverts");
    case ENOMEM:
        return QStringLiteral("mémoire insuffisante");
    case EFBIG:
        return QStringLiteral("fichier trop volumineux");
    case EXDEV:
        return QStringLiteral("impossible de déplacer un fichier vers un autre disque");
    case ENOEXEC:
        return QStringLiteral("ce fichier n'est pas un programme");
    case ENXIO:
    case ENODEV:
        return QStringLiteral("périphérique non disponible");
    case ESTALE:
    case ENOTCONN:
    case ETIMEDOUT:
    case EHOSTDOWN:
    case EHOSTUNREACH:
    case ENETUNREACH:
        return QStringLiteral("serveur ou réseau inaccessible");
    default:
        return QStringLiteral("erreur du système n° %1").arg(error);
    }
}

Failure fileFailure(const QString &what, const QString &path, int error, int missingNumber)
{
    const QString cause = error == ENOENT && missingNumber == pathNotFound
                              ? QStringLiteral("dossier introuvable")
                              : systemErrorCause(error);
    const QString subject = path.isEmpty() ? what : what + u' ' + path;
    return Failure(
        QStringLiteral("%1 : %2 (%3)").arg(subject, cause, QString::fromLocal8Bit(std::strerror(error))),
        failureNumber(error, missingNumber));
}

QByteArray nativePath(const QString &path)
{
    return QFile::encodeName(path);
}

} // namespace platform
