#include "storage/UseMark.h"

#include "storage/ErrorNumbers.h"
#include "storage/InUse.h"

#include "platform/CaseResolution.h"
#include "platform/Failure.h"
#include "platform/FileFailure.h"

#include <cerrno>
#include <fcntl.h>
#include <map>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace storage
{

namespace
{

// SQLite locks the bytes from 1 GiB to 1 GiB + 512; ours lies well past them.
constexpr off_t markOffset = 0x40000000 + 0x10000;

using FileKey = std::pair<dev_t, ino_t>;

// Per file: how many marks this process holds, and descriptors that hold no lock.
struct FileEntry {
    int marks = 0;
    std::vector<int> idleDescriptors;
};

std::map<FileKey, FileEntry> &openFiles()
{
    static std::map<FileKey, FileEntry> files;
    return files;
}

platform::Failure inUseFailure(const QString &path)
{
    return platform::Failure(QStringLiteral("La base de données '%1' est en cours d'utilisation").arg(path),
                             DatabaseInUse);
}

FileKey keyOf(const QString &path)
{
    struct stat info;
    if (::stat(platform::nativePath(path).constData(), &info) != 0)
        throw platform::fileFailure(QStringLiteral("Ouverture de"), path, errno);
    return {info.st_dev, info.st_ino};
}

int openDescriptor(const QString &path)
{
    const int descriptor = ::open(platform::nativePath(path).constData(), O_RDWR | O_CLOEXEC);
    if (descriptor >= 0)
        return descriptor;
    // A read-only file can still carry a shared mark.
    const int readOnly = ::open(platform::nativePath(path).constData(), O_RDONLY | O_CLOEXEC);
    if (readOnly < 0)
        throw platform::fileFailure(QStringLiteral("Ouverture de"), path, errno);
    return readOnly;
}

struct flock markRegion(short type)
{
    struct flock region {
    };
    region.l_type = type;
    region.l_whence = SEEK_SET;
    region.l_start = markOffset;
    region.l_len = 1;
    return region;
}

// A descriptor on the file that holds no lock: an idle one when there is one.
int takeDescriptor(FileEntry &entry, const QString &path)
{
    if (entry.idleDescriptors.empty())
        return openDescriptor(path);
    const int descriptor = entry.idleDescriptors.back();
    entry.idleDescriptors.pop_back();
    return descriptor;
}

// Keeps the descriptor while a mark of ours lives on the file; closes them all with the last.
void putAway(FileEntry &entry, const FileKey &key, int descriptor)
{
    if (entry.marks > 0) {
        entry.idleDescriptors.push_back(descriptor);
        return;
    }
    ::close(descriptor);
    for (const int idle : entry.idleDescriptors)
        ::close(idle);
    openFiles().erase(key);
}

} // namespace

UseMark::UseMark(const QString &path, Kind kind) : m_key(keyOf(path))
{
    FileEntry &entry = openFiles()[m_key];
    m_descriptor = takeDescriptor(entry, path);
    struct flock region = markRegion(kind == Kind::Shared ? F_RDLCK : F_WRLCK);
    const bool heldHere = kind == Kind::Exclusive && entry.marks > 0;
    if (heldHere || ::fcntl(m_descriptor, F_OFD_SETLK, &region) != 0) {
        const int error = errno;
        putAway(entry, m_key, m_descriptor);
        if (heldHere || error == EAGAIN || error == EACCES)
            throw inUseFailure(path);
        throw platform::fileFailure(QStringLiteral("Verrouillage de"), path, error);
    }
    ++entry.marks;
}

UseMark::~UseMark()
{
    struct flock region = markRegion(F_UNLCK);
    ::fcntl(m_descriptor, F_OFD_SETLK, &region);
    FileEntry &entry = openFiles()[m_key];
    --entry.marks;
    putAway(entry, m_key, m_descriptor);
}

bool isInUse(const QString &path)
{
    const QString resolved = platform::resolveCase(path);
    struct stat info;
    if (::stat(platform::nativePath(resolved).constData(), &info) != 0)
        return false;
    const FileKey key{info.st_dev, info.st_ino};
    FileEntry &entry = openFiles()[key];
    const int descriptor = takeDescriptor(entry, resolved);
    struct flock region = markRegion(F_WRLCK);
    const bool held = ::fcntl(descriptor, F_OFD_GETLK, &region) == 0 && region.l_type != F_UNLCK;
    putAway(entry, key, descriptor);
    return held;
}

} // namespace storage
