#include "ui/FolderPath.h"

#include "platform/CaseResolution.h"
#include "platform/Failure.h"
#include "platform/Files.h"

#include <QDir>
#include <QFileInfo>

namespace ui
{

QString existingFolder(const QString &path)
{
    const QString resolved = platform::resolveCase(path);
    if (path.isEmpty() || !platform::isFolder(resolved))
        throw platform::Failure(QStringLiteral("Chemin d'accès introuvable : %1").arg(path), 76);
    return QDir::cleanPath(QFileInfo(resolved).absoluteFilePath());
}

} // namespace ui
