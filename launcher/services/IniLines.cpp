#include "launcher/services/IniLines.h"

#include "platform/CaseResolution.h"
#include "platform/FileFailure.h"
#include "platform/Files.h"
#include "platform/LineEncoding.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace services
{

namespace
{

platform::Failure readFailure(const QString &path, int error)
{
    return platform::fileFailure(QStringLiteral("Impossible de lire"), path, error);
}

} // namespace

QString trimBlanks(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin) == u' ')
        ++begin;
    while (end > begin && text.at(end - 1) == u' ')
        --end;
    return text.mid(begin, end - begin);
}

QStringList iniContent(const QStringList &lines)
{
    QStringList content;
    for (const QString &line : lines) {
        const QString trimmed = trimBlanks(line);
        if (trimmed.isEmpty())
            break;
        content.append(trimmed);
    }
    return content;
}

QString existingFile(const QString &folder, const QString &name)
{
    const QString found = platform::fileMatches(folder + u'/' + name);
    return found.isEmpty() ? QString() : folder + u'/' + found;
}

QList<QByteArray> splitLines(const QByteArray &bytes)
{
    QList<QByteArray> lines;
    qsizetype begin = 0;
    for (qsizetype at = 0; at < bytes.size(); ++at) {
        const char byte = bytes.at(at);
        if (byte != '\r' && byte != '\n')
            continue;
        lines.append(bytes.mid(begin, at - begin));
        if (byte == '\r' && at + 1 < bytes.size() && bytes.at(at + 1) == '\n')
            ++at;
        begin = at + 1;
    }
    if (begin < bytes.size())
        lines.append(bytes.mid(begin));
    return lines;
}

QList<QByteArray> readLineBytes(const QString &path)
{
    const QByteArray native = platform::nativePath(platform::resolveCase(path));
    const int descriptor = ::open(native.constData(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0)
        throw readFailure(path, errno);
    QByteArray bytes;
    char chunk[4096];
    for (;;) {
        const ssize_t read = ::read(descriptor, chunk, sizeof chunk);
        if (read < 0 && errno == EINTR)
            continue;
        if (read < 0) {
            const int error = errno;
            ::close(descriptor);
            throw readFailure(path, error);
        }
        if (read == 0)
            break;
        bytes.append(chunk, read);
    }
    ::close(descriptor);
    return splitLines(bytes);
}

QStringList readTextLines(const QString &path)
{
    QStringList lines;
    for (const QByteArray &line : readLineBytes(path))
        lines.append(platform::decodeLine(line));
    return lines;
}

} // namespace services
