#pragma once

#include "tools/sample-installation/SampleRows.h"

#include <QList>
#include <QString>

namespace tools
{

// The schema file (under schema/) that a database of the suite is created from.
QString schemaFileFor(const QString &databaseName);

// Creates the database file from its schema file in schemaFolder and fills its tables with the rows
// given, values bound. Throws platform::Failure.
void createSampleDatabase(const QString &path, const QString &schemaFolder, const QList<TableRows> &tables);

TableRows folderTableRows(const QList<storage::FolderRow> &rows);
TableRows translationTableRows(const QList<TranslationRow> &rows);

} // namespace tools
