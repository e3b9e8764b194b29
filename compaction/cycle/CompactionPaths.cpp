#include "compaction/cycle/CompactionPaths.h"

#include "platform/TextCase.h"

namespace compaction
{

namespace
{

QString upperCasedReplacing(const QString &source, const QString &replacement)
{
    return platform::upperCase(source).replace(QStringLiteral(".MDB"), replacement, Qt::CaseSensitive);
}

} // namespace

QString normaliseFolder(const QString &folder, const platform::PathSyntax &syntax)
{
    // Only the joiner counts: "c:" becomes "c:\" although ":" ends a drive name.
    if (folder.endsWith(syntax.joiner()))
        return folder;
    return folder + syntax.joiner();
}

QString sourcePath(const QString &normalisedFolder, const QString &fileName)
{
    return normalisedFolder + platform::upperCase(fileName);
}

QString workCopyPath(const QString &source)
{
    return upperCasedReplacing(source, QStringLiteral("_NEW.MDB"));
}

QString backupPath(const QString &source)
{
    return upperCasedReplacing(source, QStringLiteral(".BAKMDB"));
}

} // namespace compaction
