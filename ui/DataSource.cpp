#include "ui/DataSource.h"

#include "platform/Failure.h"
#include "storage/SqlFailure.h"
#include "ui/TextBox.h"

#include <QRegularExpression>
#include <QSqlError>
#include <QSqlField>
#include <QSqlIndex>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QWidget>
#include <algorithm>
#include <optional>

namespace ui
{

namespace
{

// Rows read together when one of them is first needed: about two screens of a grid.
constexpr int RowsPerPage = 64;

QString quoted(const QString &identifier)
{
    return QLatin1Char('"') + QString(identifier).replace(QLatin1Char('"'), QStringLiteral("\"\"")) +
           QLatin1Char('"');
}

// The record source as a sub-query: without the final ";" that a statement may carry.
QString innerSelect(const QString &sql)
{
    QString inner = sql.trimmed();
    while (inner.endsWith(QLatin1Char(';')))
        inner.chop(1);
    return inner;
}

QSqlQuery run(const QSqlDatabase &database, const QString &sql, const QVariantList &values)
{
    QSqlQuery query(database);
    query.setForwardOnly(true);
    if (!query.prepare(sql))
        throw storage::sqlFailure(database, query.lastError());
    for (const QVariant &value : values)
        query.addBindValue(value);
    if (!query.exec())
        throw storage::sqlFailure(database, query.lastError());
    return query;
}

// Qt gives a Null field as a null value of the field's type; the kit keeps Null as an invalid value.
QVariant fieldValue(const QSqlQuery &query, int column)
{
    const QVariant value = query.value(column);
    return value.isNull() ? QVariant() : value;
}

// The record source with the rowid of its table as a first column of that name; nullopt when the
// rowid cannot be added (no plain SELECT, or DISTINCT, whose rows would change with it).
std::optional<QString> withRowid(const QString &select, const QString &name)
{
    static const QRegularExpression plainSelect(QStringLiteral("^\\s*SELECT\\s+(?!DISTINCT\\b)"),
                                                QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch start = plainSelect.match(select);
    if (!start.hasMatch())
        return std::nullopt;
    return select.left(start.capturedEnd()) + QStringLiteral("rowid AS ") + name + QStringLiteral(", ") +
           select.mid(start.capturedEnd());
}

bool isInteger(const QSqlField &field)
{
    switch (field.metaType().id()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
        return true;
    default:
        return false;
    }
}

// A field that still holds its value as read. Texts are compared exactly, whatever the field's
// collation; Null only matches Null.
QString sameAsRead(const QString &field)
{
    return quoted(field) + QStringLiteral(" IS ? COLLATE BINARY");
}

QString placeholders(qsizetype count)
{
    QStringList marks(count, QStringLiteral("?"));
    return marks.join(QLatin1Char(','));
}

} // namespace

DataSource::DataSource(QObject *parent) : QAbstractTableModel(parent) {}

void DataSource::setDatabase(const QSqlDatabase &database)
{
    m_database = database;
}

void DataSource::setRecordSource(const QString &sql, const QVariantList &values)
{
    m_sql = sql;
    m_values = values;
}

void DataSource::refresh()
{
    writePendingRows();
    beginResetModel();
    m_stored.clear();
    m_keys.clear();
    m_current = -1;
    try {
        readShape();
        readKeys();
    } catch (...) {
        m_keys.clear();
        endResetModel();
        reposition(-1);
        throw;
    }
    endResetModel();
    reposition(m_keys.empty() ? -1 : 0);
}

void DataSource::readShape()
{
    const QSqlRecord record =
        run(m_database, QStringLiteral("SELECT * FROM (%1) LIMIT 0").arg(innerSelect(m_sql)), m_values)
            .record();
    QStringList fields;
    QString table;
    for (int i = 0; i < record.count(); ++i) {
        const QSqlField field = record.field(i);
        if (field.tableName().isEmpty() || (!table.isEmpty() && field.tableName() != table))
            throw platform::Failure(
                QStringLiteral("La source de données '%1' ne lit pas les lignes d'une seule table")
                    .arg(m_sql));
        table = field.tableName();
        fields << field.name();
    }
    const QSqlIndex key = m_database.primaryIndex(table);
    const int keyField =
        key.count() == 1 && isInteger(key.field(0)) ? static_cast<int>(fields.indexOf(key.fieldName(0))) : -1;
    if (keyField >= 0) {
        m_keyColumn = quoted(fields.at(keyField));
        m_keysQuery = QStringLiteral("SELECT %1 FROM (%2)").arg(m_keyColumn, innerSelect(m_sql));
    } else {
        const QString rowKey = quoted(QStringLiteral("DataSource_rowid"));
        const std::optional<QString> source = withRowid(innerSelect(m_sql), rowKey);
        if (!source)
            throw platform::Failure(
                QStringLiteral("La source de données '%1' ne donne pas la clé de sa table").arg(m_sql));
        m_keyColumn = QStringLiteral("rowid");
        m_keysQuery = QStringLiteral("SELECT %1 FROM (%2)").arg(rowKey, *source);
    }
    m_table = table;
    m_fields = fields;
    m_keyField = keyField;
}

void DataSource::readKeys()
{
    QSqlQuery keys = run(m_database, m_keysQuery, m_values);
    while (keys.next())
        m_keys.push_back(keys.value(0).toLongLong());
}

int DataSource::fieldIndex(const QString &field) const
{
    for (int i = 0; i < m_fields.size(); ++i)
        if (m_fields.at(i).compare(field, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

void DataSource::setCurrentRow(int row)
{
    if (row < 0 || row >= recordCount() || row == m_current)
        return;
    if (m_current >= 0 && m_leaveCheck && !m_leaveCheck())
        return;
    takeBoundBoxes();
    try {
        writePendingRows();
    } catch (const platform::Failure &failure) {
        emit writeFailed(failure.description());
        return;
    }
    reposition(row);
}

void DataSource::setLeaveCheck(std::function<bool()> mayLeave)
{
    m_leaveCheck = std::move(mayLeave);
}

void DataSource::reposition(int row)
{
    m_current = row;
    showBoundBoxes();
    emit repositioned(row);
    // What the window puts in the boxes as it shows the row is not the user's.
    takeShownTexts();
}

void DataSource::bind(TextBox &box, const QString &field)
{
    m_boundBoxes.push_back({&box, box.widget(), field, QString()});
    // A box whose window goes first is dropped, not left dangling.
    QObject::connect(box.widget(), &QObject::destroyed, this, [this](QObject *widget) {
        std::erase_if(m_boundBoxes, [widget](const BoundBox &bound) { return bound.widget == widget; });
    });
    showBoundBoxes();
}

void DataSource::showBoundBoxes()
{
    for (BoundBox &bound : m_boundBoxes) {
        const int field = fieldIndex(bound.field);
        bound.box->setText(m_current < 0 || field < 0 ? QString() : value(m_current, field).toString());
    }
    takeShownTexts();
}

void DataSource::takeShownTexts()
{
    for (BoundBox &bound : m_boundBoxes)
        bound.shown = bound.box->text();
}

void DataSource::takeBoundBoxes()
{
    if (m_current < 0)
        return;
    for (BoundBox &bound : m_boundBoxes) {
        const int field = fieldIndex(bound.field);
        const QString text = bound.box->text();
        if (bound.box->locked() || field < 0 || text == bound.shown)
            continue;
        setValue(m_current, field, text);
        bound.shown = text;
    }
}

void DataSource::writeCurrentRow()
{
    takeBoundBoxes();
    if (isPending(m_current))
        writeRow(m_current);
}

QVariant DataSource::value(int row, int field) const
{
    const auto pending = m_pending.constFind(row);
    if (pending != m_pending.constEnd() && pending->contains(field))
        return pending->value(field);
    return storedRow(row).value(field);
}

bool DataSource::isChanged(int row, int field) const
{
    if (m_pending.value(row).contains(field))
        return true;
    return row == m_current &&
           std::any_of(m_boundBoxes.cbegin(), m_boundBoxes.cend(), [&](const BoundBox &bound) {
               return !bound.box->locked() && fieldIndex(bound.field) == field &&
                      bound.box->text() != bound.shown;
           });
}

void DataSource::setValue(int row, int field, const QVariant &value)
{
    if (value == this->value(row, field) && value.isNull() == this->value(row, field).isNull())
        return;
    m_pending[row][field] = value;
    emit dataChanged(index(row, field), index(row, field));
}

void DataSource::writePendingRows()
{
    takeBoundBoxes();
    QList<int> rows = m_pending.keys();
    std::sort(rows.begin(), rows.end());
    for (int row : rows)
        writeRow(row);
}

void DataSource::writeRow(int row)
{
    const QHash<int, QVariant> changes = m_pending.value(row);
    const std::optional<qint64> key = updateIfUnchanged(row, changes);
    if (!key)
        throw changedElsewhere(row);
    m_keys[static_cast<size_t>(row)] = *key;
    Row &stored = m_stored[row];
    for (auto change = changes.cbegin(); change != changes.cend(); ++change)
        stored[change.key()] = change.value();
    m_pending.remove(row);
}

void DataSource::writeTogether(const std::vector<FieldWrite> &writes, const std::function<void()> &alongside)
{
    takeBoundBoxes();
    run(m_database, QStringLiteral("BEGIN IMMEDIATE"), {});
    std::vector<qint64> keys;
    std::optional<int> changedRow;
    try {
        for (const FieldWrite &write : writes) {
            const std::optional<qint64> key = updateIfUnchanged(write.row, {{write.field, write.value}});
            if (!key) {
                changedRow = write.row;
                break;
            }
            keys.push_back(*key);
        }
        if (!changedRow) {
            if (alongside)
                alongside();
            run(m_database, QStringLiteral("COMMIT"), {});
        }
    } catch (...) {
        // A failed COMMIT may have ended the transaction already.
        QSqlQuery(m_database).exec(QStringLiteral("ROLLBACK"));
        throw;
    }
    if (changedRow) {
        run(m_database, QStringLiteral("ROLLBACK"), {});
        throw changedElsewhere(*changedRow);
    }
    for (size_t i = 0; i < writes.size(); ++i) {
        const FieldWrite &write = writes[i];
        m_keys[static_cast<size_t>(write.row)] = keys[i];
        m_stored[write.row][write.field] = write.value;
        // The value written replaces a change of the same field still waiting.
        if (auto pending = m_pending.find(write.row); pending != m_pending.end()) {
            pending->remove(write.field);
            if (pending->isEmpty())
                m_pending.erase(pending);
        }
        emit dataChanged(index(write.row, write.field), index(write.row, write.field));
    }
    showBoundBoxes();
}

std::optional<qint64> DataSource::updateIfUnchanged(int row, const QHash<int, QVariant> &changes)
{
    QStringList assignments;
    QVariantList values;
    for (auto change = changes.cbegin(); change != changes.cend(); ++change) {
        assignments << quoted(m_fields.at(change.key())) + QStringLiteral(" = ?");
        values << change.value();
    }
    const QString set =
        QStringLiteral("UPDATE %1 SET %2 WHERE ").arg(quoted(m_table), assignments.join(u", "));
    const qint64 key = m_keys.at(static_cast<size_t>(row));
    if (m_keyField < 0)
        return updateByRowid(set, values, row, key);
    QStringList conditions{m_keyColumn + QStringLiteral(" = ?")};
    values << key;
    const Row &read = storedRow(row);
    for (int field = 0; field < m_fields.size(); ++field) {
        if (field == m_keyField)
            continue;
        conditions << sameAsRead(m_fields.at(field));
        values << read.at(field);
    }
    const QSqlQuery update = run(m_database, set + conditions.join(u" AND "), values);
    return update.numRowsAffected() == 1 ? std::optional(key) : std::nullopt;
}

std::optional<qint64> DataSource::updateByRowid(const QString &update, QVariantList values, int row,
                                                qint64 rowid)
{
    // A table without an integer key may get new rowids when the file is vacuumed: the row to
    // write is the one that still holds every field as it was read, under its rowid if it kept it.
    QStringList sameFields;
    for (const QString &field : std::as_const(m_fields))
        sameFields << sameAsRead(field);
    values << storedRow(row) << rowid;
    QSqlQuery written = run(m_database,
                            update + QStringLiteral("rowid = (SELECT rowid FROM %1 WHERE %2 "
                                                    "ORDER BY rowid = ? DESC, rowid LIMIT 1) RETURNING rowid")
                                         .arg(quoted(m_table), sameFields.join(u" AND ")),
                            values);
    if (!written.next())
        return std::nullopt;
    return written.value(0).toLongLong();
}

platform::Failure DataSource::changedElsewhere(int row)
{
    const Row read = storedRow(row);
    forgetStoredRows();
    m_stored.remove(row);
    const Row &current = storedRow(row);
    emit dataChanged(index(0, 0), index(recordCount() - 1, columnCount() - 1));
    showBoundBoxes();

    QString description =
        QStringLiteral("La ligne modifiée n'existe plus telle qu'elle a été lue dans la table %1 : "
                       "un autre poste l'a changée ou supprimée")
            .arg(m_table);
    const bool deleted =
        !run(m_database, QStringLiteral("SELECT 1 FROM %1 WHERE %2 = ?").arg(quoted(m_table), m_keyColumn),
             {m_keys.at(static_cast<size_t>(row))})
             .next();
    if (deleted)
        return platform::Failure(description);
    // The typed text hides what the other workstation wrote into the same field: the message shows it.
    QStringList theirs;
    const QHash<int, QVariant> changes = m_pending.value(row);
    for (auto change = changes.cbegin(); change != changes.cend(); ++change) {
        const QVariant &before = read.at(change.key());
        const QVariant &after = current.at(change.key());
        if (before != after || before.isValid() != after.isValid())
            theirs << QStringLiteral("%1 : « %2 »").arg(m_fields.at(change.key()), after.toString());
    }
    if (!theirs.isEmpty())
        description +=
            QStringLiteral(" (contenu actuel de ") + theirs.join(QStringLiteral(", ")) + QLatin1Char(')');
    return platform::Failure(description);
}

void DataSource::forgetStoredRows()
{
    for (auto stored = m_stored.begin(); stored != m_stored.end();)
        stored = m_pending.contains(stored.key()) ? std::next(stored) : m_stored.erase(stored);
}

int DataSource::findFirst(const QString &condition, const QVariantList &values) const
{
    QSqlQuery matches = run(
        m_database, QStringLiteral("SELECT %1 FROM %2 WHERE %3").arg(m_keyColumn, quoted(m_table), condition),
        values);
    QSet<qint64> found;
    while (matches.next())
        found.insert(matches.value(0).toLongLong());
    const auto first =
        std::find_if(m_keys.cbegin(), m_keys.cend(), [&found](qint64 key) { return found.contains(key); });
    return first == m_keys.cend() ? -1 : static_cast<int>(first - m_keys.cbegin());
}

const DataSource::Row &DataSource::storedRow(int row) const
{
    auto stored = m_stored.constFind(row);
    if (stored == m_stored.constEnd()) {
        readPage(row / RowsPerPage);
        stored = m_stored.constFind(row);
    }
    return *stored;
}

void DataSource::readPage(int page) const
{
    const size_t first = static_cast<size_t>(page) * RowsPerPage;
    const size_t last = std::min(m_keys.size(), first + RowsPerPage);
    QVariantList keys;
    for (size_t i = first; i < last; ++i)
        keys << QVariant::fromValue(m_keys[i]);
    // The key comes last, after the fields.
    QStringList columns;
    for (const QString &field : m_fields)
        columns << quoted(field);
    columns << m_keyColumn;
    QSqlQuery rows =
        run(m_database,
            QStringLiteral("SELECT %1 FROM %2 WHERE %3 IN (%4)")
                .arg(columns.join(QLatin1Char(',')), quoted(m_table), m_keyColumn, placeholders(keys.size())),
            keys);
    const int keyColumn = static_cast<int>(m_fields.size());
    QHash<qint64, Row> byKey;
    while (rows.next()) {
        Row values;
        for (int column = 0; column < keyColumn; ++column)
            values << fieldValue(rows, column);
        byKey.insert(rows.value(keyColumn).toLongLong(), values);
    }
    // A row deleted since the refresh shows Null fields.
    const Row deleted(m_fields.size());
    // A row with changes to write keeps what it was read as.
    for (size_t i = first; i < last; ++i)
        if (!m_stored.contains(static_cast<int>(i)))
            m_stored.insert(static_cast<int>(i), byKey.value(m_keys[i], deleted));
}

int DataSource::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : recordCount();
}

int DataSource::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_fields.size());
}

QVariant DataSource::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    return value(index.row(), index.column());
}

bool DataSource::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || role != Qt::EditRole || index.column() == m_keyField)
        return false;
    setValue(index.row(), index.column(), value);
    return true;
}

Qt::ItemFlags DataSource::flags(const QModelIndex &index) const
{
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.isValid() && index.column() != m_keyField)
        flags |= Qt::ItemIsEditable;
    return flags;
}

QVariant DataSource::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    return m_fields.value(section);
}

} // namespace ui
