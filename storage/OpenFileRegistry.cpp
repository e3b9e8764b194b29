#include "storage/OpenFileRegistry.h"

#include "platform/FileFailure.h"

#include <cerrno>
#include <map>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace storage::marks
{

namespace
{

// SQLite locks the bytes from 1 GiB to 1 GiB + 512; ours lies well past them.
constexpr off_t markOffset = 0x40000000 + 0x10000;

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

int openDescriptor(const QString &path)
{
    const int descriptor = ::open(platform::nativePath(path).constData(), O_RDWR | O_CLOEXEC);
    if (descriptor >= 0)
        return descriptor;
    // A read-only file can still carry a shared mark.
    const int readOnly = ::open(platform::nativePath(path).constData(), O_RDONLY | O_CLOEXEC);
    if (readOnly < 0)
        throw platform::fileFailure(QStringLiteral("Impossible d'ouvrir"), path, errno);
    return readOnly;
}

FileKey keyOf(const QString &path)
{
    struct stat info;
    if (::stat(platform::nativePath(path).constData(), &info) != 0)
        throw platform::fileFailure(QStringLiteral("Impossible d'ouvrir"), path, errno);
    return {info.st_dev, info.st_ino};
}

FileKey keyOf(int descriptor, const QString &path)
{
    struct stat info;
    if (::fstat(descriptor, &info) != 0) {
        const int error = errno;
        ::close(descriptor);
        throw platform::fileFailure(QStringLiteral("Impossible d'ouvrir"), path, error);
    }
    return {info.st_dev, info.st_ino};
}

} // namespace

OpenedFile takeDescriptor(const QString &path)
{
    constexpr int attempts = 8;
    for (int attempt = 1;; ++attempt) {
        const FileKey named = keyOf(path);
        FileEntry &entry = openFiles()[named];
        if (!entry.idleDescriptors.empty()) {
            const int idle = entry.idleDescriptors.back();
            entry.idleDescriptors.pop_back();
            return {idle, named};
        }
        const int descriptor = openDescriptor(path);
        const FileKey opened = keyOf(descriptor, path);
        if (opened == named)
            return {descriptor, named};
        // Renamed over meanwhile: the descriptor goes with the file it opened.
        keepOrClose(named, -1);
        keepOrClose(opened, descriptor);
        if (attempt == attempts)
            throw platform::Failure(QStringLiteral("Le fichier '%1' change sans cesse").arg(path));
    }
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

int markCount(const FileKey &key)
{
    const auto found = openFiles().find(key);
    return found == openFiles().end() ? 0 : found->second.marks;
}

void addMark(const FileKey &key)
{
    ++openFiles()[key].marks;
}

void removeMark(const FileKey &key)
{
    --openFiles()[key].marks;
}

void keepOrClose(const FileKey &key, int descriptor)
{
    FileEntry &entry = openFiles()[key];
    if (entry.marks > 0) {
        if (descriptor >= 0)
            entry.idleDescriptors.push_back(descriptor);
        return;
    }
    if (descriptor >= 0)
        ::close(descriptor);
    for (const int idle : entry.idleDescriptors)
        ::close(idle);
    openFiles().erase(key);
}

} // namespace storage::marks
