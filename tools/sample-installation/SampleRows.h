#pragma once

#include "storage/FolderTable.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

namespace tools
{

struct InstallationFolders;

// A row of the translation table TTRAD.
struct TranslationRow {
    QString french;
    QVariant language1;
    QVariant language2;
    QVariant comment;
};

// A row of a table with its fields in order, for the tables the sample fills with fixed rows.
struct TableRows {
    QString table;
    QStringList fields;
    QList<QVariantList> rows;
};

// One row per product, lowest key first: row 1 points at the databases folder, row 2 at the templates.
QList<storage::FolderRow> sampleFolderRows(const InstallationFolders &folders);

// The launcher's French texts with their translations; a few are left untranslated.
QList<TranslationRow> sampleTranslations();

// The six module databases of the databases folder.
const QStringList &moduleDatabaseNames();

// Profiles, rights and parameters of a module database (TORBPLAN.MDB also holds the second pair of tables).
QList<TableRows> moduleDatabaseRows(const QString &databaseName);

// The template manager's bookmark table.
TableRows signetRows();

// Word template file names, one or more per family, in mixed case as sites keep them.
const QStringList &templateNames();

} // namespace tools
