#include "platform/PathRules.h"

namespace platform
{

PathSyntax PathSyntax::windows()
{
    return {QStringLiteral("\\:")};
}

PathSyntax PathSyntax::posix()
{
    return {QStringLiteral("/")};
}

PathSyntax PathSyntax::host()
{
    return posix();
}

bool endsWithSeparator(const QString &path, const PathSyntax &syntax)
{
    return path.endsWith(syntax.joiner());
}

QString withTrailingSeparator(const QString &folder, const PathSyntax &syntax)
{
    return endsWithSeparator(folder, syntax) ? folder : folder + syntax.joiner();
}

QString joinPath(const QString &folder, const QString &name, const PathSyntax &syntax)
{
    return folder.isEmpty() ? name : withTrailingSeparator(folder, syntax) + name;
}

namespace
{

qsizetype lastSeparatorIndex(const QString &path, const PathSyntax &syntax)
{
    for (qsizetype i = path.size() - 1; i >= 0; --i) {
        if (syntax.isSeparator(path.at(i)))
            return i;
    }
    return -1;
}

// Drops trailing joining separators, but never the one of a root.
QString withoutTrailingSeparators(QString path, const PathSyntax &syntax)
{
    while (endsWithSeparator(path, syntax) && !isDriveRoot(path, syntax))
        path.chop(1);
    return path;
}

} // namespace

QString lastComponent(const QString &path, const PathSyntax &syntax)
{
    return path.mid(lastSeparatorIndex(path, syntax) + 1);
}

QString parentPath(const QString &path, const PathSyntax &syntax)
{
    const QString trimmed = withoutTrailingSeparators(path, syntax);
    if (isDriveRoot(trimmed, syntax))
        return trimmed;
    const qsizetype cut = lastSeparatorIndex(trimmed, syntax);
    if (cut < 0)
        return QString();
    return withoutTrailingSeparators(trimmed.left(cut + 1), syntax);
}

bool isDriveRoot(const QString &path, const PathSyntax &syntax)
{
    if (!endsWithSeparator(path, syntax))
        return false;
    const QString drive = path.chopped(1);
    if (drive.isEmpty())
        return true;
    // A drive name: ends with a separator other than the joiner (":") and holds no other.
    const QChar marker = drive.back();
    return marker != syntax.joiner() && syntax.isSeparator(marker) &&
           lastSeparatorIndex(drive.chopped(1), syntax) < 0;
}

} // namespace platform
