#include "launcher/settings/LauncherIni.h"

#include "launcher/services/IniLines.h"
#include "platform/Failure.h"
#include "platform/Files.h"
#include "platform/LineEncoding.h"
#include "storage/PendingFile.h"

#include <QHash>
#include <algorithm>

namespace settings
{

namespace
{

const QString LineBreak = QStringLiteral("\r\n");

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

// The lines of the file as it lies, none when there is none.
QList<QByteArray> formerLines(const QString &path)
{
    return platform::isOrdinaryFile(path) ? services::readLineBytes(path) : QList<QByteArray>();
}

// The encoding of the lines the user types: the code page when the file holds a line in it.
platform::LineEncoding fileEncoding(const QList<QByteArray> &lines)
{
    const bool codePage = std::any_of(lines.begin(), lines.end(), [](const QByteArray &line) {
        return platform::lineEncoding(line) == platform::LineEncoding::Windows1252;
    });
    return codePage ? platform::LineEncoding::Windows1252 : platform::LineEncoding::Utf8;
}

// The former lines by the text the window shows for them, in file order.
QHash<QString, QList<QByteArray>> linesByShownText(const QList<QByteArray> &lines)
{
    QHash<QString, QList<QByteArray>> shown;
    for (const QByteArray &line : lines) {
        const QString text = services::trimBlanks(platform::decodeLine(line));
        if (!text.isEmpty())
            shown[text].append(line);
    }
    return shown;
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
    if (languageLine.isEmpty())
        return text;
    // Every reader stops at the first empty line: the chosen line goes before it, as the last
    // line of the content, wherever a removed line left its break.
    QStringList lines = text.split(LineBreak);
    const qsizetype firstEmpty = lines.indexOf(QString());
    if (firstEmpty >= 0 && firstEmpty < lines.size() - 1) {
        lines.removeLast();
        lines.insert(firstEmpty, languageLine);
    }
    return lines.join(LineBreak);
}

QByteArray iniFileBytes(const QString &text, const QList<QByteArray> &former)
{
    const platform::LineEncoding encoding = fileEncoding(former);
    QHash<QString, QList<QByteArray>> unchanged = linesByShownText(former);
    QByteArray bytes;
    for (const QString &line : text.split(LineBreak)) {
        QList<QByteArray> &same = unchanged[line];
        bytes += same.isEmpty() ? platform::encodeLine(line, encoding) : same.takeFirst();
        bytes += "\r\n";
    }
    return bytes;
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
    const QString path = launcherIniPath(dataFolder);
    storage::writeWholeFile(path, iniFileBytes(text, formerLines(path)));
    removeLeftoverBackup(dataFolder);
}

void writeLanguageOnly(const QString &dataFolder, const QString &languageLine)
{
    storage::writeWholeFile(launcherIniPath(dataFolder), iniFileBytes(languageLine + LineBreak, {}));
}

} // namespace settings
