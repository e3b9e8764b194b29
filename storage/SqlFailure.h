#pragma once

#include "platform/Failure.h"

#include <QSqlDatabase>
#include <QString>

struct sqlite3;

namespace storage
{

// The connection's last error as the layer's failure: a French description that names the
// database file (and the table or field where there is one), followed by SQLite's own text in
// brackets for the support desk. Failures the layer numbers itself keep those numbers (a missing
// table or field, a file that is no database); the others carry SQLite's code.
platform::Failure sqlFailure(sqlite3 *handle);
// The same, for an error of the given file, which the connection may not hold yet (an attach).
platform::Failure sqlFailure(sqlite3 *handle, const QString &file);

// The SQLite handle of a Qt SQL connection; nullptr when it is not an open SQLite one.
sqlite3 *sqliteHandle(const QSqlDatabase &database);
// The last error of a Qt SQL connection described as above (Qt's text in brackets when it is not
// SQLite's).
platform::Failure sqlFailure(const QSqlDatabase &database, const QSqlError &error);

platform::Failure notADatabaseFailure(const QString &file);
platform::Failure tableNotFoundFailure(const QString &table, const QString &file);

} // namespace storage
