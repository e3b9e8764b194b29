#include "storage/InUse.h"

#include "storage/OpenFileRegistry.h"

#include "platform/CaseResolution.h"
#include "platform/FileFailure.h"

#include <sys/stat.h>

namespace storage
{

bool isInUse(const QString &path)
{
    const QString resolved = platform::resolveCase(path);
    struct stat info;
    if (::stat(platform::nativePath(resolved).constData(), &info) != 0)
        return false;
    const marks::OpenedFile opened = marks::takeDescriptor(resolved);
    struct flock region = marks::markRegion(F_WRLCK);
    const bool held = ::fcntl(opened.descriptor, F_OFD_GETLK, &region) == 0 && region.l_type != F_UNLCK;
    marks::keepOrClose(opened.key, opened.descriptor);
    return held;
}

} // namespace storage
