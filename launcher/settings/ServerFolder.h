#pragma once

#include "platform/PathRules.h"

#include <QList>
#include <QString>
#include <functional>
#include <vector>

namespace settings
{

// The server folder as "Appliquer à tous" takes it: the typed text trimmed and followed by the
// separator, unless the trimmed text already ends with one: then the text stays exactly as typed.
QString serverFolderToApply(const QString &typed, const platform::PathSyntax &syntax);

// What the apply reads of one grid row: its "N°" and its database file name, as shown.
struct ProductRow {
    QString number;
    QString databaseName;
};

// The grid rows (numbered from 1) that the apply moves to the server folder: from the first row
// on, until a row whose number is empty, every row whose database file the folder holds.
// found(name) tells whether the folder holds a file of that name; an empty name asks for any file.
std::vector<int> rowsMovedToServerFolder(const QList<ProductRow> &rows,
                                         const std::function<bool(const QString &name)> &found);

// Whether the folder (ending with its separator) holds an ordinary file of that name, ignoring case
// ("*" and "?" are wildcards); an empty name asks whether it holds any ordinary file at all.
bool serverFileFound(const QString &folder, const QString &name);

} // namespace settings
