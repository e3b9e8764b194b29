#pragma once

#include <QString>
#include <optional>

namespace compaction
{

// The database folder that the folder table names, as the window's activation reads it: when the
// program's own folder holds DBPATH.MDB, the DBPATH.MDB of the current directory is opened and
// its first row's folder taken ("" for Null). nullopt when the program folder has no DBPATH.MDB
// or the table has no row. Throws platform::Failure when the current directory's file cannot be
// read.
std::optional<QString> databaseFolderFromTable(const QString &programFolder);

} // namespace compaction
