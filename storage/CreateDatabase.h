#pragma once

#include <QString>

namespace storage
{

// Creates a database file from the statements of a schema file (the SQL under schema/).
// Fails when the file exists; a file left half-made by a failing statement is removed.
void createDatabase(const QString &path, const QString &schemaSql);

} // namespace storage
