#pragma once

#include "template-manager/FModarin.h"

#include <QString>
#include <memory>
#include <optional>

namespace ui
{
class Dialogs;
}

namespace modarin
{

// The installation folder searched for the folder table after the current folder.
inline const QString kDefaultInstallationFolder = QStringLiteral("/torbprod/");

struct StartFolders {
    QString current; // the current folder at start, as the platform gives it
    QString program; // the folder that holds the program file
    QString installation = kDefaultInstallationFolder; // ends with "/"
};

// The folder-table file to open: the current folder's DBPATH.MDB, else the installation folder's;
// "" when neither exists.
QString folderTableFile(const StartFolders &folders);

// What the folder table says: the TPATH_PATH of the row with key 2, as stored; nullopt when
// there is no such row or its folder is Null.
struct TemplateRow {
    std::optional<QString> folder;
};

// Reads the template row from the folder table. nullopt when the program must end: no folder
// table, or an empty TPATH, each after its message. A folder table that cannot be read throws
// platform::Failure. The file is closed again when this returns.
std::optional<TemplateRow> readTemplateRow(const StartFolders &folders, ui::Dialogs &dialogs);

// The start procedure: reads the template row, then creates, loads and shows the window on its
// folder. Without a template row the window comes up with its folder label hidden and lists no
// template. Gives the shown window, or null when the program ends.
std::unique_ptr<FModarin> Main(const StartFolders &folders, platform::Office &office);

} // namespace modarin
