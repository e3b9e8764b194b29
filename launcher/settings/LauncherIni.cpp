#include "launcher/settings/LauncherIni.h"

#include "launcher/services/IniLines.h"
#include "platform/CaseResolution.h"
#include "platform/FileFailure.h"
#include "platform/Files.h"

#include <QSaveFile>
#include <cerrno>

namespace settings
{

namespace
{

const QString LineBreak = QStringLiteral("\r\n");

// The whole file replaced in one rename, so that a failed write leaves the old one in place.
void writeWhole(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(platform::resolveCase(path));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw platform::fileFailure(QStringLiteral("Écriture de"), path, EIO);
}

// Nothing in the system writes torbprod.inibak; a save clears it, and a failure to do so
// changes nothing that a reader sees.
void removeLeftoverBackup(const QString &dataFolder)
{
    const QString backup = dataFolder + QStringLiteral("torbprod.inibak");
    try {
        if (platform::isOrdinaryFile(backup))
            platform::deleteFile(backup);
    } catch (const platform::Failure &) {
    }
}

} // namespace

QString launcherIniPath(const QString &dataFolder)
{
    return dataFolder + QStringLiteral("torbprod.ini");
}

QString iniDisplayText(const QStringList &lines)
{
    QString text;
    for (const QString &line : lines) {
        const QString trimmed = services::trimBlanks(line);
        if (text.isEmpty())
            text = trimmed;
        else
            text += LineBreak + trimmed;
        if (line.isEmpty())
            break;
    }
    return text;
}

QString iniWithLanguageLine(QString text, const QString &languageLine)
{
    text.remove(u' ');
    text.remove(LanguageLine1, Qt::CaseSensitive);
    text.remove(LanguageLine2, Qt::CaseSensitive);
    text += LineBreak + languageLine;
    text.replace(LineBreak + LineBreak, LineBreak);
    if (text.startsWith(LineBreak))
        text.remove(0, LineBreak.size());
    return text;
}

QByteArray iniFileBytes(const QString &text)
{
    return (text + LineBreak).toUtf8();
}

QString loadLauncherIni(const QString &dataFolder)
{
    const QString path = launcherIniPath(dataFolder);
    if (!platform::isOrdinaryFile(path))
        return QString();
    return iniDisplayText(services::readTextLines(path));
}

void saveLauncherIni(const QString &dataFolder, const QString &text)
{
    writeWhole(launcherIniPath(dataFolder), iniFileBytes(text));
    removeLeftoverBackup(dataFolder);
}

void writeLanguageOnly(const QString &dataFolder, const QString &languageLine)
{
    writeWhole(launcherIniPath(dataFolder), iniFileBytes(languageLine + LineBreak));
}

} // namespace settings
