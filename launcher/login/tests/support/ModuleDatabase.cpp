#include "launcher/login/tests/support/ModuleDatabase.h"

#include "launcher/login/Mdp.h"
#include "storage/CreateDatabase.h"

#include <QFile>
#include <gtest/gtest.h>

namespace login_testing
{

namespace
{

storage::Database created(const QString &path, const QString &schemaFolder)
{
    storage::createDatabase(path, testing_support::schemaText(QStringLiteral("MODULE.sql"), schemaFolder));
    return storage::Database::open(path);
}

} // namespace

QString schemaText(const QString &name)
{
    QFile schema(qEnvironmentVariable("TORB_SOURCE_DIR") + QStringLiteral("/schema/") + name);
    EXPECT_TRUE(schema.open(QIODevice::ReadOnly)) << name.toStdString();
    return QString::fromUtf8(schema.readAll());
}

ModuleDatabase::ModuleDatabase(const QString &path, const QString &schemaFolder)
    : base(created(path, schemaFolder))
{
}

void ModuleDatabase::addProfil(const QString &profil, const QString &motDePasse, const QString &table)
{
    base.execute(QStringLiteral("INSERT INTO %1 (TZPR_PROFIL, TZPR_CODE) VALUES (?, ?)").arg(table),
                 {profil, login::Code_MDP(motDePasse)});
}

void ModuleDatabase::addDroit(const QString &profil, const QString &nom, const QVariant &acces,
                              const QString &table)
{
    base.execute(
        QStringLiteral("INSERT INTO %1 (TZMN_PROFIL, TZMN_NOM, TZMN_ACCES) VALUES (?, ?, ?)").arg(table),
        {profil, nom, acces});
}

} // namespace login_testing
