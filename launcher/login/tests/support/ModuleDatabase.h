#pragma once

#include "storage/Database.h"
#include "tests/support/fixtures/SchemaFiles.h"

#include <QString>
#include <QVariant>

namespace login_testing
{

// The statements of a schema file of schema/ (MODULE.sql, BDTRAD.sql...).
QString schemaText(const QString &name);

// A module database made from MODULE.sql of schema/ (or of the folder given), with helpers to fill
// its profile and rights tables.
class ModuleDatabase
{
public:
    explicit ModuleDatabase(const QString &path,
                            const QString &schemaFolder = testing_support::schemaFolder());

    // A row of TZPR (or TZPR2 with table given) holding the code of the password.
    void addProfil(const QString &profil, const QString &motDePasse,
                   const QString &table = QStringLiteral("TZPR"));
    void addDroit(const QString &profil, const QString &nom, const QVariant &acces,
                  const QString &table = QStringLiteral("TZMN"));

    storage::Database base;
};

} // namespace login_testing
