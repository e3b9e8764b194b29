#pragma once

#include "storage/QueryCursor.h"
#include "storage/TableCursor.h"

#include <QSqlDatabase>
#include <QString>
#include <QVariantList>
#include <memory>

namespace storage
{

class Connection;

enum class Access { ReadWrite, ReadOnly };

// An open database file. Copies share one connection (one open of the file); every failure
// throws platform::Failure with a description that can be shown as it stands.
class Database
{
public:
    // Opens an existing database file, shared. The path is resolved ignoring case. Fails
    // (without creating anything) when the file is missing or is not a database.
    static Database open(const QString &path, Access access = Access::ReadWrite);

    // The resolved path of the file.
    QString path() const;
    bool isReadOnly() const;

    // Runs one statement with its values bound to the "?" placeholders, in order; gives the
    // number of rows changed.
    int execute(const QString &sql, const QVariantList &values = {});

    // A table-type cursor on the named table, on its first row in stored order.
    TableCursor openTable(const QString &table, Access access = Access::ReadWrite);

    // A cursor on the rows of a SELECT with bound values, read at once, on its first row.
    QueryCursor openQuery(const QString &sql, const QVariantList &values = {});

    // Ends the read that the cursors' last moves keep open, now, so other workstations can write.
    void releaseReadLocks();
    // Ends that read as soon as the program is idle (the next turn of the event loop; at once
    // when there is no event loop), leaving it open for the moves still to come in this turn.
    void freeLocksWhenIdle();

    // Makes the tables of another existing database file reachable as "<schemaName>.<table>"
    // in statements of this one (same rules as open: nothing is created). A read-only attach
    // refuses every write to that file; on a read-only database every attach is read-only.
    void attach(const QString &path, const QString &schemaName, Access access = Access::ReadWrite);
    void detach(const QString &schemaName);

    // The Qt SQL connection on the same file, for item models; it shares this object's handle.
    QSqlDatabase sqlDatabase() const;

private:
    explicit Database(std::shared_ptr<Connection> connection);
    std::shared_ptr<Connection> m_connection;
};

} // namespace storage
