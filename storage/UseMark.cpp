#include "storage/UseMark.h"

#include "storage/ErrorNumbers.h"

#include "platform/Failure.h"
#include "platform/FileFailure.h"

#include <cerrno>
#include <sys/stat.h>

namespace storage
{

namespace
{

platform::Failure inUseFailure(const QString &path)
{
    return platform::Failure(QStringLiteral("La base de données '%1' est en cours d'utilisation").arg(path),
                             DatabaseInUse);
}

} // namespace

UseMark::UseMark(const QString &path, Kind kind)
{
    const marks::OpenedFile opened = marks::takeDescriptor(path);
    m_key = opened.key;
    m_descriptor = opened.descriptor;
    struct flock region = marks::markRegion(kind == Kind::Shared ? F_RDLCK : F_WRLCK);
    const bool heldHere = kind == Kind::Exclusive && marks::markCount(m_key) > 0;
    if (heldHere || ::fcntl(m_descriptor, F_OFD_SETLK, &region) != 0) {
        const int error = errno;
        marks::keepOrClose(m_key, m_descriptor);
        if (heldHere || error == EAGAIN || error == EACCES)
            throw inUseFailure(path);
        throw platform::fileFailure(QStringLiteral("Impossible de verrouiller"), path, error);
    }
    marks::addMark(m_key);
}

UseMark::~UseMark()
{
    struct flock region = marks::markRegion(F_UNLCK);
    ::fcntl(m_descriptor, F_OFD_SETLK, &region);
    marks::removeMark(m_key);
    marks::keepOrClose(m_key, m_descriptor);
}

bool UseMark::isOn(const QString &path) const
{
    struct stat info;
    return ::stat(platform::nativePath(path).constData(), &info) == 0 &&
           marks::FileKey{info.st_dev, info.st_ino} == m_key;
}

} // namespace storage
