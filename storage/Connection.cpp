#include "storage/Connection.h"

#include "storage/BusyWait.h"
#include "storage/DatabaseFile.h"
#include "storage/ErrorNumbers.h"
#include "storage/FrenchOrder.h"
#include "storage/SqliteValues.h"
#include "storage/TextCollation.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QThread>
#include <QTimer>

namespace storage
{

namespace
{

qint64 newSerial()
{
    static qint64 opened = 0;
    return ++opened;
}

// The open connections of this process: one thread, so a wait on a lock that one of them holds
// would never end by itself.
std::map<qint64, Connection *> &openConnections()
{
    static std::map<qint64, Connection *> connections;
    return connections;
}

int waitForLock(void *, int attempt)
{
    if (attempt == 0) {
        for (const auto &[serial, connection] : openConnections())
            connection->releaseReads();
        return 1;
    }
    constexpr int pauseMilliseconds = 5;
    if (attempt * pauseMilliseconds > kBusyTimeoutMilliseconds)
        return 0;
    QThread::msleep(pauseMilliseconds);
    return 1;
}

void closeQtConnection(const QString &name)
{
    {
        QSqlDatabase database = QSqlDatabase::database(name, false);
        database.close();
    }
    QSqlDatabase::removeDatabase(name);
}

sqlite3 *openQtConnection(const QString &name, const QString &resolvedPath, bool readOnly)
{
    QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
    database.setDatabaseName(databaseUri(resolvedPath, readOnly));
    database.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI") +
                               (readOnly ? QStringLiteral(";QSQLITE_OPEN_READONLY") : QString()));
    sqlite3 *handle = database.open() ? sqliteHandle(database) : nullptr;
    if (!handle) {
        const QString reason = database.lastError().text();
        database = QSqlDatabase();
        closeQtConnection(name);
        throw platform::Failure(
            QStringLiteral("Ouverture de la base '%1' impossible (%2)").arg(resolvedPath, reason));
    }
    return handle;
}

// Marks the file in use and has SQLite open it. The two open the path apart: when another program
// renamed a file over it in between, SQLite holds a file that the mark is not on, so both are made
// again. (A file renamed over the path after SQLite's open only costs a retry.)
template <typename Open, typename Close>
std::unique_ptr<UseMark> openMarked(const QString &path, const Open &open, const Close &close)
{
    constexpr int attempts = 8;
    for (int attempt = 1;; ++attempt) {
        auto mark = std::make_unique<UseMark>(path, UseMark::Kind::Shared);
        open();
        if (mark->isOn(path))
            return mark;
        close();
        if (attempt == attempts)
            throw platform::Failure(
                QStringLiteral("La base de données '%1' est remplacée pendant son ouverture").arg(path),
                DatabaseInUse);
    }
}

} // namespace

Connection::Connection(const QString &resolvedPath, bool readOnly)
    : m_path(resolvedPath), m_readOnly(readOnly), m_serial(newSerial())
{
    m_connectionName = QStringLiteral("storage-%1").arg(m_serial);
    m_mark = openMarked(
        resolvedPath, [&] { m_handle = openQtConnection(m_connectionName, resolvedPath, readOnly); },
        [&] {
            closeQtConnection(m_connectionName);
            m_handle = nullptr;
        });
    try {
        installCaseFoldCollation(m_handle);
        installFrenchSortKey(m_handle);
        sqlite3_busy_handler(m_handle, waitForLock, nullptr);
        // Room for the indexes of the suite's larger tables, so seeks seldom read the disk.
        sqlite3_exec(m_handle, "PRAGMA cache_size = -32768", nullptr, nullptr, nullptr);
        requireReadableSchema(m_handle, QStringLiteral("main"), resolvedPath);
        if (sqlite3_prepare_v2(m_handle, "SELECT count(*) FROM sqlite_master", -1, &m_readHolder, nullptr) !=
            SQLITE_OK)
            throw sqlFailure(m_handle);
    } catch (...) {
        closeQtConnection(m_connectionName);
        throw;
    }
    openConnections()[m_serial] = this;
}

Connection::~Connection()
{
    openConnections().erase(m_serial);
    sqlite3_finalize(m_readHolder);
    for (sqlite3_stmt *statement : std::as_const(m_statements))
        sqlite3_finalize(statement);
    closeQtConnection(m_connectionName);
}

sqlite3_stmt *Connection::cachedStatement(const QString &sql)
{
    if (sqlite3_stmt *kept = m_statements.value(sql))
        return kept;
    const QByteArray text = sql.toUtf8();
    sqlite3_stmt *statement = nullptr;
    if (sqlite3_prepare_v3(m_handle, text.constData(), static_cast<int>(text.size()),
                           SQLITE_PREPARE_PERSISTENT, &statement, nullptr) != SQLITE_OK)
        throw sqlFailure(m_handle);
    m_statements.insert(sql, statement);
    return statement;
}

void Connection::holdReads()
{
    if (sqlite3_stmt_busy(m_readHolder) || sqlite3_step(m_readHolder) != SQLITE_ROW)
        return;
    // Without an event loop the read stays open until releaseReads().
    if (QCoreApplication::instance())
        releaseReadsWhenIdle();
}

void Connection::releaseReads()
{
    sqlite3_reset(m_readHolder);
    for (sqlite3_stmt *statement : std::as_const(m_statements))
        sqlite3_reset(statement);
}

void Connection::releaseReadsWhenIdle()
{
    if (!QCoreApplication::instance()) {
        releaseReads();
        return;
    }
    // One pending release covers every read held until it runs.
    if (m_releaseScheduled)
        return;
    m_releaseScheduled = true;
    QTimer::singleShot(0, QCoreApplication::instance(), [serial = m_serial] {
        const auto found = openConnections().find(serial);
        if (found == openConnections().end())
            return;
        found->second->m_releaseScheduled = false;
        found->second->releaseReads();
    });
}

void Connection::attach(const QString &path, const QString &schemaName, bool readOnly)
{
    const QString resolved = existingDatabaseFile(path);
    releaseReads();
    auto mark = openMarked(
        resolved,
        [&] {
            StatementRun attaching(m_handle,
                                   QStringLiteral("ATTACH DATABASE ? AS %1").arg(quoted(schemaName)));
            bindValue(attaching.get(), 1, databaseUri(resolved, readOnly || m_readOnly));
            // A refused attach is a failure of the attached file, not of this connection's.
            if (sqlite3_step(attaching.get()) != SQLITE_DONE)
                throw sqlFailure(m_handle, path);
        },
        [&] { detach(schemaName); });
    try {
        requireReadableSchema(m_handle, schemaName, path);
    } catch (...) {
        detach(schemaName);
        throw;
    }
    m_attachedMarks[schemaName.toLower()] = std::move(mark);
}

void Connection::detach(const QString &schemaName)
{
    releaseReads();
    StatementRun detaching(m_handle, QStringLiteral("DETACH DATABASE %1").arg(quoted(schemaName)));
    detaching.step();
    m_attachedMarks.erase(schemaName.toLower());
}

StatementRun::StatementRun(Connection &connection, const QString &sql)
    : StatementRun(connection.cachedStatement(sql))
{
}

StatementRun::StatementRun(sqlite3_stmt *kept) : m_statement(kept), m_owned(false) {}

StatementRun::StatementRun(sqlite3 *handle, const QString &sql) : m_statement(nullptr), m_owned(true)
{
    const QByteArray text = sql.toUtf8();
    const char *rest = nullptr;
    if (sqlite3_prepare_v2(handle, text.constData(), static_cast<int>(text.size()), &m_statement, &rest) !=
        SQLITE_OK)
        throw sqlFailure(handle);
    if (!m_statement)
        throw platform::Failure(QStringLiteral("Instruction SQL vide"), InvalidArgument);
    if (!QByteArray(rest).trimmed().isEmpty()) {
        sqlite3_finalize(m_statement);
        throw platform::Failure(QStringLiteral("Une seule instruction SQL est permise : %1").arg(sql),
                                InvalidArgument);
    }
}

StatementRun::~StatementRun()
{
    if (m_owned) {
        sqlite3_finalize(m_statement);
        return;
    }
    sqlite3_reset(m_statement);
    sqlite3_clear_bindings(m_statement);
}

bool StatementRun::step()
{
    const int result = sqlite3_step(m_statement);
    if (result == SQLITE_ROW)
        return true;
    if (result == SQLITE_DONE)
        return false;
    throw sqlFailure(sqlite3_db_handle(m_statement));
}

} // namespace storage
