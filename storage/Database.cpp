#include "storage/Database.h"

#include "storage/Connection.h"
#include "storage/DatabaseFile.h"
#include "storage/SqliteValues.h"

namespace storage
{

Database::Database(std::shared_ptr<Connection> connection) : m_connection(std::move(connection)) {}

Database Database::open(const QString &path, Access access)
{
    return Database(std::make_shared<Connection>(existingDatabaseFile(path), access == Access::ReadOnly));
}

QString Database::path() const
{
    return m_connection->path();
}

bool Database::isReadOnly() const
{
    return m_connection->isReadOnly();
}

int Database::execute(const QString &sql, const QVariantList &values)
{
    StatementRun run(m_connection->handle(), sql);
    bindValues(run.get(), values);
    while (run.step()) {
    }
    return sqlite3_changes(m_connection->handle());
}

TableCursor Database::openTable(const QString &table, Access access)
{
    return TableCursor(m_connection, table, access == Access::ReadOnly);
}

QueryCursor Database::openQuery(const QString &sql, const QVariantList &values)
{
    StatementRun run(m_connection->handle(), sql);
    bindValues(run.get(), values);
    QStringList names;
    const int columns = sqlite3_column_count(run.get());
    for (int i = 0; i < columns; ++i)
        names << QString::fromUtf8(sqlite3_column_name(run.get(), i));
    QVector<QVariantList> rows;
    while (run.step()) {
        QVariantList row;
        row.reserve(columns);
        for (int i = 0; i < columns; ++i)
            row << columnValue(run.get(), i);
        rows << row;
    }
    return QueryCursor(names, rows);
}

void Database::releaseReadLocks()
{
    m_connection->releaseReads();
}

void Database::freeLocksWhenIdle()
{
    m_connection->releaseReadsWhenIdle();
}

void Database::attach(const QString &path, const QString &schemaName, Access access)
{
    m_connection->attach(path, schemaName, access == Access::ReadOnly);
}

void Database::detach(const QString &schemaName)
{
    m_connection->detach(schemaName);
}

QSqlDatabase Database::sqlDatabase() const
{
    return QSqlDatabase::database(m_connection->connectionName(), false);
}

} // namespace storage
