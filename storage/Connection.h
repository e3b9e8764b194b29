#pragma once

#include "storage/UseMark.h"

#include <QHash>
#include <QString>
#include <map>
#include <memory>
#include <sqlite3.h>

namespace storage
{

// One open of a database file: the Qt SQL connection, its raw handle and the statements our
// cursors keep prepared on it. Shared by a Database, its copies and its cursors.
class Connection
{
public:
    Connection(const QString &resolvedPath, bool readOnly);
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;
    ~Connection();

    const QString &path() const { return m_path; }
    bool isReadOnly() const { return m_readOnly; }
    const QString &connectionName() const { return m_connectionName; }
    sqlite3 *handle() const { return m_handle; }

    // A statement prepared once and kept for the life of the connection.
    sqlite3_stmt *cachedStatement(const QString &sql);

    // Keeps one read of the file open across the cursor moves of one event-loop turn, so that
    // each move does not lock and check the file again. It ends at the next turn of the event
    // loop, at releaseReads(), or when another connection of this process waits for the file.
    void holdReads();
    void releaseReads();
    // Ends the held read at the next turn of the event loop, or now when there is none.
    void releaseReadsWhenIdle();

    void attach(const QString &path, const QString &schemaName, bool readOnly);
    void detach(const QString &schemaName);

private:
    // Declared first, so that the file is unmarked only once SQLite has closed it.
    std::unique_ptr<UseMark> m_mark;
    QString m_path;
    bool m_readOnly;
    QString m_connectionName;
    sqlite3 *m_handle = nullptr;
    qint64 m_serial;
    sqlite3_stmt *m_readHolder = nullptr;
    bool m_releaseScheduled = false;
    QHash<QString, sqlite3_stmt *> m_statements;
    std::map<QString, std::unique_ptr<UseMark>> m_attachedMarks;
};

// Runs a statement and, when the run ends, resets it (kept statements) or finalizes it.
class StatementRun
{
public:
    // A kept statement of the connection.
    StatementRun(Connection &connection, const QString &sql);
    explicit StatementRun(sqlite3_stmt *kept);
    // A statement of its own, finalized at the end; exactly one statement of SQL is allowed.
    StatementRun(sqlite3 *handle, const QString &sql);
    StatementRun(const StatementRun &) = delete;
    StatementRun &operator=(const StatementRun &) = delete;
    ~StatementRun();

    sqlite3_stmt *get() const { return m_statement; }
    // Steps once: true on a row, false when done; a failure throws.
    bool step();

private:
    sqlite3_stmt *m_statement;
    bool m_owned;
};

} // namespace storage
