#include "storage/TableCursor.h"

#include "storage/Connection.h"
#include "storage/ErrorNumbers.h"
#include "storage/FieldNames.h"
#include "storage/KeyCondition.h"
#include "storage/SqliteValues.h"

#include <QVector>
#include <map>
#include <utility>

namespace storage
{

namespace
{

enum class Editing { None, Edit, Add };

QString canonicalTableName(Connection &connection, const QString &table)
{
    StatementRun lookup(connection, QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' "
                                                   "AND name = ?1 COLLATE NOCASE"));
    bindValue(lookup.get(), 1, table);
    if (!lookup.step())
        throw tableNotFoundFailure(table, connection.path());
    return columnValue(lookup.get(), 0).toString();
}

QStringList columnNames(Connection &connection, const QString &table)
{
    StatementRun columns(connection, QStringLiteral("SELECT name FROM pragma_table_info(?1) ORDER BY cid"));
    bindValue(columns.get(), 1, table);
    QStringList names;
    while (columns.step())
        names << columnValue(columns.get(), 0).toString();
    return names;
}

// The suite's indexes order and compare texts ignoring case: an index made without a collation
// of its own (SQLite's BINARY) is read as NOCASE, at the cost of not being used by SQLite.
QString indexCollation(const QString &declared)
{
    return declared.compare(QLatin1String("BINARY"), Qt::CaseInsensitive) == 0 ? QStringLiteral("NOCASE")
                                                                               : declared;
}

} // namespace

struct TableCursor::State {
    std::shared_ptr<Connection> connection;
    QString table;
    bool readOnly = false;
    FieldNames fields;
    QString selectFrom;

    QString index;
    QStringList indexFields;
    // The index's key expressions with their collation, then rowid: the cursor's total order.
    QStringList orderColumns;
    QVector<int> keyPositions;
    QString orderBy;

    bool hasRow = false;
    qint64 rowid = 0;
    QVariantList values;
    bool noMatch = false;

    Editing editing = Editing::None;
    QVariantList buffer;
    QVector<bool> changed;

    // The statement of each key condition shape, composed once per index: seeks and moves
    // are the hot path of lookups and need no SQL text.
    std::map<std::pair<KeyComparison, QVector<bool>>, sqlite3_stmt *> keyStatements;
    // The first index field from a value on, composed once per index.
    sqlite3_stmt *firstKeyStatement = nullptr;

    // The SELECT completed by the condition (values at ?1...), kept by the connection.
    sqlite3_stmt *statementFor(const QString &condition);
    // The one for the leading order columns compared to values of which those marked are Null.
    sqlite3_stmt *keyStatement(KeyComparison comparison, const QVector<bool> &nulls);
    void requireIndex() const;
    // Runs the statement with its values and takes its first row.
    void fetch(sqlite3_stmt *statement, const QVariantList &parameters);
    void fetchAfterCurrent();
    void requireRow() const;
    void requireWritable() const;
};

sqlite3_stmt *TableCursor::State::statementFor(const QString &condition)
{
    return connection->cachedStatement(
        selectFrom + (condition.isEmpty() ? QString() : QStringLiteral(" WHERE ") + condition) + orderBy +
        QStringLiteral(" LIMIT 1"));
}

sqlite3_stmt *TableCursor::State::keyStatement(KeyComparison comparison, const QVector<bool> &nulls)
{
    sqlite3_stmt *&kept = keyStatements[{comparison, nulls}];
    if (!kept)
        kept = statementFor(keyCondition(orderColumns.mid(0, nulls.size()), nulls, comparison));
    return kept;
}

void TableCursor::State::requireIndex() const
{
    if (indexFields.isEmpty())
        throw platform::Failure(QStringLiteral("Aucun index en cours sur la table '%1'").arg(table),
                                IndexNotFound);
}

void TableCursor::State::fetch(sqlite3_stmt *statement, const QVariantList &parameters)
{
    editing = Editing::None;
    connection->holdReads();
    StatementRun run(statement);
    bindValues(run.get(), parameters);
    hasRow = run.step();
    if (!hasRow)
        return;
    rowid = sqlite3_column_int64(run.get(), 0);
    values.resize(fields.size());
    for (int i = 0; i < fields.size(); ++i)
        values[i] = columnValue(run.get(), i + 1);
}

void TableCursor::State::fetchAfterCurrent()
{
    QVariantList current;
    QVector<bool> nulls;
    for (const int position : std::as_const(keyPositions)) {
        current << values[position];
        nulls << values[position].isNull();
    }
    current << rowid;
    nulls << false;
    fetch(keyStatement(KeyComparison::Greater, nulls), current);
}

void TableCursor::State::requireRow() const
{
    if (!hasRow)
        throw noCurrentRecordFailure();
}

void TableCursor::State::requireWritable() const
{
    if (readOnly)
        throw platform::Failure(QStringLiteral("La table '%1' est ouverte en lecture seule").arg(table),
                                ReadOnlyCursor);
}

TableCursor::TableCursor(std::shared_ptr<Connection> connection, const QString &table, bool readOnly)
    : m_state(std::make_unique<State>())
{
    State &s = *m_state;
    s.connection = std::move(connection);
    s.table = canonicalTableName(*s.connection, table);
    s.readOnly = readOnly || s.connection->isReadOnly();
    s.fields = FieldNames(columnNames(*s.connection, s.table),
                          QStringLiteral("la table '%1' de la base '%2'").arg(s.table, s.connection->path()));
    QStringList selected{QStringLiteral("rowid")};
    for (const QString &field : s.fields.names())
        selected << quoted(field);
    s.selectFrom =
        QStringLiteral("SELECT %1 FROM %2").arg(selected.join(QStringLiteral(", ")), quoted(s.table));
    setIndex(QString());
}

TableCursor::TableCursor(TableCursor &&) noexcept = default;
TableCursor &TableCursor::operator=(TableCursor &&) noexcept = default;
TableCursor::~TableCursor() = default;

const QString &TableCursor::tableName() const
{
    return m_state->table;
}

bool TableCursor::isReadOnly() const
{
    return m_state->readOnly;
}

QStringList TableCursor::fieldNames() const
{
    return m_state->fields.names();
}

void TableCursor::setIndex(const QString &indexName)
{
    State &s = *m_state;
    QStringList fields;
    QStringList columns;
    QVector<int> positions;
    QString stored;
    if (!indexName.isEmpty()) {
        // SQLite's index names belong to the whole file: ours are "<table>.<index>".
        StatementRun lookup(*s.connection,
                            QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'index' "
                                           "AND tbl_name = ?1 AND name = ?2 COLLATE NOCASE"));
        bindValues(lookup.get(), {s.table, s.table + QLatin1Char('.') + indexName});
        if (!lookup.step())
            throw platform::Failure(
                QStringLiteral("Index '%1' introuvable sur la table '%2'").arg(indexName, s.table),
                IndexNotFound);
        stored = columnValue(lookup.get(), 0).toString();
        StatementRun keys(*s.connection,
                          QStringLiteral("SELECT name, coll, \"desc\" FROM pragma_index_xinfo(?1) "
                                         "WHERE key = 1 ORDER BY seqno"));
        bindValue(keys.get(), 1, stored);
        while (keys.step()) {
            const QVariant field = columnValue(keys.get(), 0);
            if (field.isNull() || columnValue(keys.get(), 2).toInt() != 0)
                throw platform::Failure(
                    QStringLiteral(
                        "Index '%1' de la table '%2' : seuls les champs en ordre croissant sont gérés")
                        .arg(indexName, s.table),
                    InvalidArgument);
            fields << field.toString();
            positions << s.fields.position(field.toString());
            columns << quoted(field.toString()) + QStringLiteral(" COLLATE ") +
                           quoted(indexCollation(columnValue(keys.get(), 1).toString()));
        }
    }
    columns << QStringLiteral("rowid");
    s.index = indexName.isEmpty() ? QString() : indexName;
    s.indexFields = fields;
    s.orderColumns = columns;
    s.keyPositions = positions;
    s.orderBy = QStringLiteral(" ORDER BY ") + columns.join(QStringLiteral(", "));
    s.keyStatements.clear();
    s.firstKeyStatement = nullptr;
    moveFirst();
}

const QString &TableCursor::index() const
{
    return m_state->index;
}

QStringList TableCursor::indexFields() const
{
    return m_state->indexFields;
}

bool TableCursor::seek(SeekOperator op, const QVariantList &key)
{
    State &s = *m_state;
    s.requireIndex();
    if (key.isEmpty() || key.size() > s.indexFields.size())
        throw platform::Failure(
            QStringLiteral("L'index '%1' de la table '%2' a %3 champ(s), %4 valeur(s) données")
                .arg(s.index, s.table)
                .arg(s.indexFields.size())
                .arg(key.size()),
            InvalidArgument);
    QVector<bool> nulls;
    for (const QVariant &value : key)
        nulls << value.isNull();
    s.fetch(s.keyStatement(op == SeekOperator::Equal ? KeyComparison::Equal : KeyComparison::GreaterOrEqual,
                           nulls),
            key);
    s.noMatch = !s.hasRow;
    return s.hasRow;
}

QVariant TableCursor::firstKeyFrom(const QVariant &value) const
{
    State &s = *m_state;
    s.requireIndex();
    if (!s.firstKeyStatement)
        s.firstKeyStatement = s.connection->cachedStatement(
            QStringLiteral("SELECT %1 FROM %2 WHERE %3 >= ?1 ORDER BY %3 LIMIT 1")
                .arg(quoted(s.indexFields.first()), quoted(s.table), s.orderColumns.first()));
    s.connection->holdReads();
    StatementRun run(s.firstKeyStatement);
    bindValue(run.get(), 1, value);
    return run.step() ? columnValue(run.get(), 0) : QVariant();
}

bool TableCursor::noMatch() const
{
    return m_state->noMatch;
}

void TableCursor::moveFirst()
{
    m_state->fetch(m_state->statementFor(QString()), {});
}

void TableCursor::moveNext()
{
    m_state->requireRow();
    m_state->fetchAfterCurrent();
}

bool TableCursor::atEnd() const
{
    return !m_state->hasRow;
}

qint64 TableCursor::recordCount() const
{
    StatementRun count(*m_state->connection,
                       QStringLiteral("SELECT count(*) FROM ") + quoted(m_state->table));
    count.step();
    return sqlite3_column_int64(count.get(), 0);
}

QVariant TableCursor::value(const QString &field) const
{
    const State &s = *m_state;
    const int position = s.fields.position(field);
    if (s.editing != Editing::None)
        return s.buffer[position];
    s.requireRow();
    return s.values[position];
}

void TableCursor::edit()
{
    State &s = *m_state;
    s.requireWritable();
    s.requireRow();
    s.buffer = s.values;
    s.changed = QVector<bool>(s.fields.size(), false);
    s.editing = Editing::Edit;
}

void TableCursor::addNew()
{
    State &s = *m_state;
    s.requireWritable();
    s.buffer = QVariantList(s.fields.size());
    s.changed = QVector<bool>(s.fields.size(), false);
    s.editing = Editing::Add;
}

void TableCursor::setValue(const QString &field, const QVariant &value)
{
    State &s = *m_state;
    const int position = s.fields.position(field);
    if (s.editing == Editing::None)
        throw platform::Failure(
            QStringLiteral("Modification sans edit ni addNew sur la table '%1'").arg(s.table),
            UpdateWithoutEdit);
    s.buffer[position] = value;
    s.changed[position] = true;
}

void TableCursor::update()
{
    State &s = *m_state;
    if (s.editing == Editing::None)
        throw platform::Failure(
            QStringLiteral("Mise à jour sans edit ni addNew sur la table '%1'").arg(s.table),
            UpdateWithoutEdit);
    QStringList names;
    QVariantList values;
    for (int i = 0; i < s.fields.size(); ++i) {
        if (s.changed[i]) {
            names << quoted(s.fields.names()[i]);
            values << s.buffer[i];
        }
    }
    const Editing editing = s.editing;
    s.editing = Editing::None;
    if (editing == Editing::Add) {
        QStringList placeholders(names.size(), QStringLiteral("?"));
        const QString sql = names.isEmpty()
                                ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(quoted(s.table))
                                : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                      .arg(quoted(s.table), names.join(QStringLiteral(", ")),
                                           placeholders.join(QStringLiteral(", ")));
        StatementRun insert(s.connection->handle(), sql);
        bindValues(insert.get(), values);
        insert.step();
        return;
    }
    if (!names.isEmpty()) {
        StatementRun change(s.connection->handle(),
                            QStringLiteral("UPDATE %1 SET %2 = ? WHERE rowid = ?")
                                .arg(quoted(s.table), names.join(QStringLiteral(" = ?, "))));
        bindValues(change.get(), values << s.rowid);
        change.step();
    }
    s.fetch(s.statementFor(QStringLiteral("rowid = ?1")), {s.rowid});
}

void TableCursor::cancelUpdate()
{
    m_state->editing = Editing::None;
}

} // namespace storage
