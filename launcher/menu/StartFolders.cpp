#include "launcher/menu/StartFolders.h"

namespace menu
{

std::optional<QString> captionForFolder(const QString &currentDirectory, const platform::PathSyntax &syntax)
{
    for (qsizetype i = currentDirectory.size() - 1; i >= 0; --i) {
        if (syntax.isSeparator(currentDirectory.at(i)))
            return currentDirectory.mid(i + 1);
    }
    return std::nullopt;
}

QString launcherFolder(const QString &folder, const platform::PathSyntax &syntax)
{
    return folder + syntax.joiner();
}

} // namespace menu
