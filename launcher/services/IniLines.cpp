#include "launcher/services/IniLines.h"

#include "platform/CaseResolution.h"
#include "platform/FileFailure.h"
#include "platform/Files.h"

#include <QFile>
#include <cerrno>

namespace services
{

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

QStringList readTextLines(const QString &path)
{
    QFile file(platform::resolveCase(path));
    if (!file.open(QIODevice::ReadOnly))
        throw platform::fileFailure(QStringLiteral("Lecture de"), path, file.exists() ? EACCES : ENOENT);
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw platform::fileFailure(QStringLiteral("Lecture de"), path, EIO);
    QString text = QString::fromUtf8(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    QStringList lines = text.split(u'\n');
    if (text.endsWith(u'\n'))
        lines.removeLast();
    return lines;
}

} // namespace services
