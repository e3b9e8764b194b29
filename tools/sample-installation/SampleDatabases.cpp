#include "tools/sample-installation/SampleDatabases.h"

#include "platform/Failure.h"
#include "storage/CreateDatabase.h"
#include "storage/Database.h"

#include <QFile>
#include <QFileInfo>

namespace tools
{

namespace
{

QString readSchema(const QString &schemaFolder, const QString &databaseName)
{
    QFile file(schemaFolder + QLatin1Char('/') + schemaFileFor(databaseName));
    if (!file.open(QIODevice::ReadOnly))
        throw platform::Failure(
            QStringLiteral("Cannot read the schema %1: %2").arg(file.fileName(), file.errorString()));
    return QString::fromUtf8(file.readAll());
}

QString insertStatement(const TableRows &table)
{
    const QStringList marks(table.fields.size(), QStringLiteral("?"));
    return QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
        .arg(table.table, table.fields.join(QStringLiteral(", ")), marks.join(QStringLiteral(", ")));
}

QVariant orNull(const std::optional<QString> &value)
{
    return value ? QVariant(*value) : QVariant();
}

} // namespace

QString schemaFileFor(const QString &databaseName)
{
    const QString base = QFileInfo(databaseName).completeBaseName().toUpper();
    if (base.startsWith(QLatin1String("TORB")))
        return QStringLiteral("MODULE.sql");
    return base + QStringLiteral(".sql");
}

void createSampleDatabase(const QString &path, const QString &schemaFolder, const QList<TableRows> &tables)
{
    // Each statement in a transaction of its own would wait for the disk each time.
    storage::createDatabase(
        path,
        QStringLiteral("BEGIN;\n%1\nCOMMIT;\n").arg(readSchema(schemaFolder, QFileInfo(path).fileName())));
    storage::Database database = storage::Database::open(path);
    database.execute(QStringLiteral("BEGIN"));
    for (const TableRows &table : tables) {
        const QString statement = insertStatement(table);
        for (const QVariantList &row : table.rows)
            database.execute(statement, row);
    }
    database.execute(QStringLiteral("COMMIT"));
}

TableRows folderTableRows(const QList<storage::FolderRow> &rows)
{
    TableRows table{storage::kFolderTable,
                    {QStringLiteral("TPATH_NUM"), QStringLiteral("TPATH_PROD"), QStringLiteral("TPATH_PATH"),
                     QStringLiteral("TPATH_NOMEXE"), QStringLiteral("TPATH_NOMMDB"),
                     QStringLiteral("TPATH_STATUS"), QStringLiteral("TPATH_RESEAU")},
                    {}};
    for (const storage::FolderRow &row : rows)
        table.rows.append({row.number, row.product, orNull(row.path), orNull(row.programName),
                           orNull(row.databaseName), row.status, row.network});
    return table;
}

TableRows translationTableRows(const QList<TranslationRow> &rows)
{
    TableRows table{QStringLiteral("TTRAD"),
                    {QStringLiteral("T_VALEUR"), QStringLiteral("T_TRAD1"), QStringLiteral("T_TRAD2"),
                     QStringLiteral("T_COMMENTAIRE")},
                    {}};
    for (const TranslationRow &row : rows)
        table.rows.append({row.french, row.language1, row.language2, row.comment});
    return table;
}

} // namespace tools
