#pragma once

#include "storage/Database.h"

#include <QString>
#include <optional>

namespace ui
{
class Dialogs;
}

namespace peluvar
{

inline const QString TranslationDatabaseName = QStringLiteral("BDTRAD.MDB");

// Where the translation database was found: Chemin_Base, as read from the folder table (ending
// with "/") or as typed, and the database file it names; with the folder table's database, which
// the program keeps open until it ends.
struct TranslationDatabase {
    QString folder;
    QString path;                     // folder + "BDTRAD.MDB", made absolute against the current folder
    storage::Database folderDatabase; // DBPATH.MDB
};

// Finds the translation database through the first TPATH row of the current folder's DBPATH.MDB,
// asking for its folder when it is not there. Gives nullopt when the program must end: the user
// has then been told why (no DBPATH.MDB, an empty TPATH, a first row without folder, or no
// translation database in the folder typed).
std::optional<TranslationDatabase> findTranslationDatabase(const QString &currentFolder,
                                                           ui::Dialogs &dialogs);

// Asks for the language column until the answer is exactly "1" or "2".
int askLanguage(ui::Dialogs &dialogs);

// The window's caption once the database is known.
QString captionWithDatabase(const QString &caption, const QString &folder);

} // namespace peluvar
