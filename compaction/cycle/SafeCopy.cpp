#include "compaction/cycle/SafeCopy.h"

#include "platform/CaseResolution.h"
#include "platform/FileFailure.h"
#include "storage/PendingFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace compaction
{

namespace
{

// The run's memory stays small however large the databases.
constexpr size_t kChunkBytes = 1 << 20;

class ReadDescriptor
{
public:
    explicit ReadDescriptor(const QString &path)
        : m_descriptor(::open(platform::nativePath(path).constData(), O_RDONLY | O_CLOEXEC))
    {
        if (m_descriptor < 0)
            throw platform::fileFailure(QStringLiteral("Impossible d'ouvrir"), path, errno);
    }
    ReadDescriptor(const ReadDescriptor &) = delete;
    ReadDescriptor &operator=(const ReadDescriptor &) = delete;
    ~ReadDescriptor() { ::close(m_descriptor); }
    int get() const { return m_descriptor; }

private:
    int m_descriptor;
};

void writeAll(int descriptor, const char *bytes, size_t size, const QString &path)
{
    while (size > 0) {
        const ssize_t written = ::write(descriptor, bytes, size);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            throw platform::fileFailure(QStringLiteral("Impossible d'écrire"), path,
                                        written < 0 ? errno : ENOSPC);
        bytes += written;
        size -= size_t(written);
    }
}

} // namespace

void copyFileSafely(const QString &source, const QString &target)
{
    const QString from = platform::resolveCase(source);
    const ReadDescriptor input(from);
    storage::PendingFile copy(platform::resolveCase(target));
    std::vector<char> chunk(kChunkBytes);
    for (;;) {
        const ssize_t read = ::read(input.get(), chunk.data(), chunk.size());
        if (read < 0 && errno == EINTR)
            continue;
        if (read < 0)
            throw platform::fileFailure(QStringLiteral("Impossible de lire"), from, errno);
        if (read == 0)
            break;
        writeAll(copy.descriptor(), chunk.data(), size_t(read), copy.temporaryPath());
    }
    struct stat info;
    if (::fstat(input.get(), &info) == 0)
        ::fchmod(copy.descriptor(), info.st_mode & 07777);
    copy.name();
}

} // namespace compaction
