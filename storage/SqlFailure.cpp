#include "storage/SqlFailure.h"

#include "storage/ErrorNumbers.h"

#include <QRegularExpression>
#include <QSqlDriver>
#include <QSqlError>
#include <QStringList>
#include <optional>
#include <sqlite3.h>

namespace storage
{

namespace
{

struct Error {
    int code; // extended
    QString english;
};

QString quotedName(const QString &name)
{
    return QLatin1Char('\'') + name + QLatin1Char('\'');
}

// The file of one database of the connection ("main", an attached name); empty when the
// connection has none of that name or it lives in memory.
QString schemaFile(sqlite3 *handle, const QString &schema)
{
    const char *file = sqlite3_db_filename(handle, schema.toUtf8().constData());
    return file ? QString::fromUtf8(file) : QString();
}

QStringList schemaNames(sqlite3 *handle)
{
    QStringList names;
    for (int i = 0; const char *name = sqlite3_db_name(handle, i); ++i)
        names << QString::fromUtf8(name);
    return names;
}

// Every file of the connection, the main one first.
QStringList connectionFiles(sqlite3 *handle)
{
    QStringList files;
    for (const QString &schema : schemaNames(handle)) {
        const QString file = schemaFile(handle, schema);
        if (!file.isEmpty() && !files.contains(file))
            files << file;
    }
    return files;
}

bool schemaHasTable(sqlite3 *handle, const QString &schema, const QString &table)
{
    const QByteArray sql =
        QStringLiteral("SELECT 1 FROM \"%1\".sqlite_schema WHERE type IN ('table', 'view') "
                       "AND name = ?1 COLLATE NOCASE")
            .arg(QString(schema).replace(QLatin1Char('"'), QStringLiteral("\"\"")))
            .toUtf8();
    sqlite3_stmt *statement = nullptr;
    bool found = false;
    if (sqlite3_prepare_v2(handle, sql.constData(), -1, &statement, nullptr) == SQLITE_OK) {
        const QByteArray name = table.toUtf8();
        sqlite3_bind_text(statement, 1, name.constData(), static_cast<int>(name.size()), SQLITE_TRANSIENT);
        found = sqlite3_step(statement) == SQLITE_ROW;
    }
    sqlite3_finalize(statement);
    return found;
}

// A table named as in SQL, "schema.table" or "table": its name and the file that holds it, or
// the main file when no database of the connection has it.
struct TableName {
    QString table;
    QString file;
};

TableName locateTable(sqlite3 *handle, const QString &name)
{
    const qsizetype dot = name.indexOf(QLatin1Char('.'));
    if (dot > 0) {
        const QString file = schemaFile(handle, name.left(dot));
        if (!file.isEmpty())
            return {name.mid(dot + 1), file};
    }
    for (const QString &schema : schemaNames(handle))
        if (schemaHasTable(handle, schema, name))
            return {name, schemaFile(handle, schema)};
    return {name, schemaFile(handle, QStringLiteral("main"))};
}

QString filesText(const QStringList &files)
{
    if (files.isEmpty())
        return QStringLiteral("(sans fichier)");
    QStringList quoted;
    for (const QString &file : files)
        quoted << quotedName(file);
    return quoted.join(QStringLiteral(" ou "));
}

platform::Failure fieldNotFound(const QString &field, const std::optional<TableName> &table,
                                const QStringList &files)
{
    const QString where = table ? QStringLiteral("la table %1 de la base %2")
                                      .arg(quotedName(table->table), quotedName(table->file))
                                : QStringLiteral("la base %1").arg(filesText(files));
    return platform::Failure(QStringLiteral("Champ %1 introuvable dans %2").arg(quotedName(field), where),
                             FieldNotFound);
}

// The failures that SQLite names a table or field in.
std::optional<platform::Failure> missingName(sqlite3 *handle, const Error &error, const QStringList &files)
{
    static const QRegularExpression noTable(QStringLiteral("^no such table: (.+)$"));
    static const QRegularExpression noColumn(QStringLiteral("^no such column: (.+)$"));
    static const QRegularExpression noColumnNamed(QStringLiteral("^table (\\S+) has no column named (.+)$"));
    if (const QRegularExpressionMatch match = noTable.match(error.english); match.hasMatch()) {
        const TableName table = locateTable(handle, match.captured(1));
        return tableNotFoundFailure(table.table, table.file);
    }
    if (const QRegularExpressionMatch match = noColumnNamed.match(error.english); match.hasMatch())
        return fieldNotFound(match.captured(2), locateTable(handle, match.captured(1)), files);
    if (const QRegularExpressionMatch match = noColumn.match(error.english); match.hasMatch()) {
        // "field", "table.field" or "schema.table.field".
        const QString name = match.captured(1);
        const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
        if (dot <= 0)
            return fieldNotFound(name, std::nullopt, files);
        return fieldNotFound(name.mid(dot + 1), locateTable(handle, name.left(dot)), files);
    }
    return std::nullopt;
}

// The French sentence for a kind of failure, %1 standing for the file(s).
QString sentenceFor(int primaryCode)
{
    switch (primaryCode) {
    case SQLITE_CORRUPT:
        return QStringLiteral("La base %1 est endommagée");
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
    case SQLITE_PROTOCOL:
        return QStringLiteral("La base %1 est occupée par un autre poste ou un autre programme");
    case SQLITE_READONLY:
        return QStringLiteral("La base %1 est en lecture seule : modification impossible");
    case SQLITE_FULL:
        return QStringLiteral("Disque plein : écriture impossible dans la base %1");
    case SQLITE_CANTOPEN:
        return QStringLiteral("Ouverture de la base %1 impossible");
    case SQLITE_IOERR:
        return QStringLiteral("Erreur de lecture ou d'écriture sur le disque de la base %1");
    case SQLITE_PERM:
    case SQLITE_AUTH:
        return QStringLiteral("Accès refusé à la base %1");
    case SQLITE_NOMEM:
        return QStringLiteral("Mémoire insuffisante pour la base %1");
    case SQLITE_TOOBIG:
        return QStringLiteral("Valeur trop grande pour la base %1");
    case SQLITE_NOLFS:
        return QStringLiteral("La base %1 est trop grande pour le système de fichiers");
    case SQLITE_CONSTRAINT:
        return QStringLiteral("Modification refusée par une règle de la base %1");
    case SQLITE_MISMATCH:
        return QStringLiteral("Type de donnée incompatible dans la base %1");
    case SQLITE_SCHEMA:
        return QStringLiteral("La structure de la base %1 a changé pendant l'opération");
    case SQLITE_INTERRUPT:
        return QStringLiteral("Opération interrompue sur la base %1");
    case SQLITE_ERROR:
        return QStringLiteral("Instruction refusée par la base %1");
    default:
        return QStringLiteral("Erreur de la base de données %1");
    }
}

platform::Failure describe(sqlite3 *handle, const Error &error, const QStringList &files)
{
    const int primary = error.code & 0xff;
    std::optional<platform::Failure> failure;
    if (primary == SQLITE_NOTADB)
        failure = notADatabaseFailure(files.value(0));
    else if (primary == SQLITE_ERROR)
        failure = missingName(handle, error, files);
    if (!failure)
        failure = platform::Failure(sentenceFor(primary).arg(filesText(files)), error.code);
    return platform::Failure(failure->description() + QStringLiteral(" (") + error.english + QLatin1Char(')'),
                             failure->number());
}

Error lastError(sqlite3 *handle)
{
    return {sqlite3_extended_errcode(handle), QString::fromUtf8(sqlite3_errmsg(handle))};
}

} // namespace

platform::Failure sqlFailure(sqlite3 *handle)
{
    // Taken before anything else runs on the connection.
    const Error error = lastError(handle);
    return describe(handle, error, connectionFiles(handle));
}

platform::Failure sqlFailure(sqlite3 *handle, const QString &file)
{
    const Error error = lastError(handle);
    return describe(handle, error, {file});
}

sqlite3 *sqliteHandle(const QSqlDatabase &database)
{
    const QVariant handle = database.driver() ? database.driver()->handle() : QVariant();
    if (qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3 *const *>(handle.constData());
}

platform::Failure sqlFailure(const QSqlDatabase &database, const QSqlError &error)
{
    sqlite3 *handle = sqliteHandle(database);
    // The handle's own error is the same one unless Qt failed before reaching SQLite.
    if (handle && sqlite3_errcode(handle) != SQLITE_OK)
        return sqlFailure(handle);
    return platform::Failure(QStringLiteral("Erreur de la base de données %1 (%2)")
                                 .arg(quotedName(database.databaseName()), error.text()),
                             error.nativeErrorCode().toInt());
}

platform::Failure notADatabaseFailure(const QString &file)
{
    return platform::Failure(QStringLiteral("%1 n'est pas une base de données").arg(quotedName(file)),
                             NotADatabase);
}

platform::Failure tableNotFoundFailure(const QString &table, const QString &file)
{
    return platform::Failure(
        QStringLiteral("Table %1 introuvable dans la base %2").arg(quotedName(table), quotedName(file)),
        TableNotFound);
}

} // namespace storage
