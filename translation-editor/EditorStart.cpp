#include "translation-editor/EditorStart.h"

#include "platform/Failure.h"
#include "platform/Files.h"
#include "storage/ErrorNumbers.h"
#include "storage/FolderTable.h"
#include "translation-editor/LanguageAnswer.h"
#include "ui/Dialogs.h"

#include <QDir>

namespace peluvar
{

namespace
{

// Chemin_Base from the folder table with its open database, or the reason why there is none.
struct FolderFromTable {
    std::optional<storage::Database> database; // set when the folder was read
    QString folder;
    QString problem;
};

FolderFromTable unknownFolder(const QString &problem)
{
    return {std::nullopt, QString(), problem};
}

FolderFromTable folderFromTable(const QString &currentFolder)
{
    const QString path = QDir(currentFolder).filePath(storage::kFolderDatabaseName);
    try {
        storage::Database database = storage::Database::open(path);
        const std::optional<storage::FolderRow> first = storage::firstFolderRow(database);
        if (!first)
            return unknownFolder(QStringLiteral("La table TPATH de %1 est vide : le chemin de la base de "
                                                "traduction n'est pas défini")
                                     .arg(path));
        if (!first->path)
            return unknownFolder(
                QStringLiteral("La première ligne de la table TPATH de %1 n'a pas de chemin : "
                               "le chemin de la base de traduction n'est pas défini")
                    .arg(path));
        return {database, *first->path, QString()};
    } catch (const platform::Failure &failure) {
        if (failure.number() == storage::FileNotFound)
            return unknownFolder(path + QStringLiteral(" introuvable ..."));
        return unknownFolder(failure.description());
    }
}

QString databaseIn(const QString &currentFolder, const QString &folder)
{
    return QDir(currentFolder).filePath(folder + TranslationDatabaseName);
}

bool exists(const QString &path)
{
    return !platform::fileMatches(path).isEmpty();
}

} // namespace

std::optional<TranslationDatabase> findTranslationDatabase(const QString &currentFolder, ui::Dialogs &dialogs)
{
    const FolderFromTable fromTable = folderFromTable(currentFolder);
    if (!fromTable.database) {
        dialogs.message(fromTable.problem);
        return std::nullopt;
    }
    QString folder = fromTable.folder;
    if (!exists(databaseIn(currentFolder, folder)))
        folder = dialogs
                     .input(QStringLiteral("Chemin d'accès à la base de traduction :"),
                            QStringLiteral("Accés à la base"), folder)
                     .value_or(QString());
    const QString path = databaseIn(currentFolder, folder);
    if (!exists(path)) {
        dialogs.message(folder + TranslationDatabaseName + QStringLiteral(" introuvable ..."));
        return std::nullopt;
    }
    return TranslationDatabase{folder, path, *fromTable.database};
}

int askLanguage(ui::Dialogs &dialogs)
{
    for (;;) {
        const std::optional<int> language = languageFromAnswer(
            dialogs.input(QStringLiteral("Choix de la langue (1 ou 2)")).value_or(QString()));
        if (language)
            return *language;
    }
}

QString captionWithDatabase(const QString &caption, const QString &folder)
{
    return caption + QStringLiteral(" (") + folder + TranslationDatabaseName + QLatin1Char(')');
}

} // namespace peluvar
