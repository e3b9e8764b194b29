#include "tools/sample-installation/SampleFiles.h"

#include "platform/Failure.h"
#include "platform/Files.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace tools
{

namespace
{

void writeWhole(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw platform::Failure(QStringLiteral("Cannot write %1: %2").arg(path, file.errorString()));
}

} // namespace

void writeIniFile(const QString &path, const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += line.toUtf8() + "\r\n";
    if (!lines.isEmpty())
        bytes += "\r\n";
    writeWhole(path, bytes);
}

void writeTemplateFile(const QString &path)
{
    const QString name = QFileInfo(path).completeBaseName().toUpper();
    writeWhole(path, "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\\f0\\fs24 Mod\\'e8le " + name.toLatin1() +
                         " (installation d'exemple)\\par}\r\n");
}

void installProgram(const QString &source, const QString &target)
{
    const QString program = QFileInfo(source).canonicalFilePath();
    if (program.isEmpty())
        throw platform::Failure(QStringLiteral("Program not found: %1").arg(source));
    try {
        platform::linkFile(program, target);
        return;
    } catch (const platform::Failure &) {
        // Another file system: a copy will do.
    }
    if (!QFile::copy(program, target))
        throw platform::Failure(QStringLiteral("Cannot copy %1 to %2").arg(program, target));
}

} // namespace tools
