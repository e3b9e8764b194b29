#include "tools/sample-installation/ReplaceInstallation.h"

#include "platform/Failure.h"

#include <QCoreApplication>
#include <QDir>

namespace tools
{

InstallationFolders replaceSampleInstallation(const QString &root, const QString &programFolder,
                                              const SampleOptions &options)
{
    const QString target = QDir::cleanPath(QDir(root).absolutePath());
    const QString aside = target + QStringLiteral(".old-%1").arg(QCoreApplication::applicationPid());
    const bool hadOne = QDir(target).exists();
    if (hadOne && !QDir().rename(target, aside))
        throw platform::Failure(QStringLiteral("Cannot move %1 aside").arg(target));
    try {
        const InstallationFolders folders = makeSampleInstallation(target, programFolder, options);
        if (hadOne)
            QDir(aside).removeRecursively();
        return folders;
    } catch (...) {
        QDir(target).removeRecursively();
        if (hadOne)
            QDir().rename(aside, target);
        throw;
    }
}

} // namespace tools
