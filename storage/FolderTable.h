#pragma once

#include "storage/Database.h"

#include <QList>
#include <QString>
#include <optional>

namespace storage
{

// The suite's folder table TPATH of DBPATH.MDB, one row per installed product, and the rule of
// which row each program takes.
inline const QString kFolderDatabaseName = QStringLiteral("DBPATH.MDB");
inline const QString kFolderTable = QStringLiteral("TPATH");
// The row whose folder holds the Word templates.
inline constexpr int kTemplateRowKey = 2;

struct FolderRow {
    int number = 0;                      // TPATH_NUM
    QString product;                     // TPATH_PROD
    std::optional<QString> path;         // TPATH_PATH, a folder ending with a separator; nullopt for Null
    std::optional<QString> programName;  // TPATH_NOMEXE
    std::optional<QString> databaseName; // TPATH_NOMMDB
    QString status;                      // TPATH_STATUS: "R" network, "M" single station
    QString network;                     // TPATH_RESEAU: "L", "I", "T", "N", or " "
};

// The row on which the cursor stands; a Null product, status or network reads as "".
FolderRow folderRowAt(const TableCursor &cursor);

// The shared database row: the first row, that is the one with the lowest key (the schema makes
// the key the row id, so the stored order that readers without an index see is the key order);
// nullopt when the table is empty.
std::optional<FolderRow> firstFolderRow(Database &database);

// The row with that key, found by a seek on the key index; nullopt when there is none.
std::optional<FolderRow> folderRowByKey(Database &database, int key);

// Every row, lowest key first.
QList<FolderRow> folderRowsInKeyOrder(Database &database);

} // namespace storage
