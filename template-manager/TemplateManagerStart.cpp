#include "template-manager/TemplateManagerStart.h"

#include "platform/Files.h"
#include "storage/FolderTable.h"
#include "ui/Dialogs.h"

namespace modarin
{

namespace
{

bool exists(const QString &path)
{
    return !platform::fileMatches(path).isEmpty();
}

} // namespace

QString folderTableFile(const StartFolders &folders)
{
    const QString inCurrent = folders.current + QLatin1Char('/') + storage::kFolderDatabaseName;
    if (exists(inCurrent))
        return inCurrent;
    const QString inInstallation = folders.installation + storage::kFolderDatabaseName;
    return exists(inInstallation) ? inInstallation : QString();
}

std::optional<TemplateRow> readTemplateRow(const StartFolders &folders, ui::Dialogs &dialogs)
{
    const QString file = folderTableFile(folders);
    if (file.isEmpty()) {
        // Names the program's folder, whichever folders were searched.
        dialogs.message(QStringLiteral("Fichier ") + folders.program + QLatin1Char('/') +
                        storage::kFolderDatabaseName + QStringLiteral(" introuvable..."));
        return std::nullopt;
    }
    storage::Database database = storage::Database::open(file);
    if (!storage::firstFolderRow(database)) {
        dialogs.message(QStringLiteral("La table TPATH est vide. Chemins d'accès non définis"));
        return std::nullopt;
    }
    const std::optional<storage::FolderRow> row = storage::folderRowByKey(database, storage::kTemplateRowKey);
    database.releaseReadLocks();
    return TemplateRow{row ? row->path : std::nullopt};
}

std::unique_ptr<FModarin> Main(const StartFolders &folders, platform::Office &office)
{
    const std::optional<TemplateRow> row = readTemplateRow(folders, ui::dialogs());
    if (!row)
        return nullptr;
    auto window = std::make_unique<FModarin>(folders.program, office);
    window->load();
    if (row->folder)
        window->setCheminDot(*row->folder);
    else
        window->pathLabel().setVisible(false);
    window->show();
    return window;
}

} // namespace modarin
