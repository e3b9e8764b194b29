#pragma once

#include "platform/Failure.h"

#include <QString>

struct sqlite3;

namespace storage
{

// The path of an existing database file, resolved ignoring case. Fails with FileNotFound when
// there is no such regular file, and with NotADatabase when it is empty (SQLite would take an
// empty file for a new database).
QString existingDatabaseFile(const QString &path);

// The URI that opens the file without ever creating it.
QString databaseUri(const QString &resolvedPath, bool readOnly);

// Reads the schema of the named database of the connection; a file that is no database fails
// with NotADatabase.
void requireReadableSchema(sqlite3 *handle, const QString &schemaName, const QString &path);

platform::Failure targetExistsFailure(const QString &path);

} // namespace storage
