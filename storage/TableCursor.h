#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>
#include <memory>

namespace storage
{

class Connection;

enum class SeekOperator { Equal, GreaterOrEqual };

// A table-type recordset: walks one table in the order of its current index (stored order
// when none is set), seeks on the index's fields and edits rows. Index names are those of the
// table ("PrimaryKey"); a field's Null is an invalid QVariant, kept apart from "".
// Each move reads one row; the read of the file stays open until the event loop turns again or
// Database::releaseReadLocks(), so an idle cursor holds no lock.
class TableCursor
{
public:
    TableCursor(TableCursor &&) noexcept;
    TableCursor &operator=(TableCursor &&) noexcept;
    ~TableCursor();

    const QString &tableName() const;
    bool isReadOnly() const;
    QStringList fieldNames() const;

    // Sets the current index by its name on this table, "" for stored order, and moves to the
    // first row in the new order. Fails when the table has no such index.
    void setIndex(const QString &indexName);
    const QString &index() const;
    QStringList indexFields() const;

    // Moves to the first row, in index order, whose leading index fields compare to the key
    // values as asked, by the index's own collations as SQLite applies them (an index without a
    // collation of its own is read as NOCASE; NOCASE ignores the case of ASCII letters only,
    // seekIgnoringCase goes further). Gives whether one was found; when not, there is no current
    // row and noMatch() is true. Needs an index.
    bool seek(SeekOperator op, const QVariantList &key);
    // The first index field of the first row, in index order, whose first index field is at or
    // after the value; Null when there is none. Reads the index only; the current row stays.
    QVariant firstKeyFrom(const QVariant &value) const;
    bool noMatch() const;

    void moveFirst();
    // Fails when there is no current row.
    void moveNext();
    // True when there is no current row: past the last one, an empty table, a failed seek.
    bool atEnd() const;

    qint64 recordCount() const;

    // The field of the current row (or of the row being edited or added). Fails for an unknown
    // field and when there is no current row.
    QVariant value(const QString &field) const;

    // Starts editing the current row / a new row (fields Null); setValue changes the buffer and
    // update() writes it. After adding, the row that was current stays current.
    void edit();
    void addNew();
    void setValue(const QString &field, const QVariant &value);
    void update();
    void cancelUpdate();

private:
    friend class Database;
    struct State;
    TableCursor(std::shared_ptr<Connection> connection, const QString &table, bool readOnly);
    std::unique_ptr<State> m_state;
};

} // namespace storage
