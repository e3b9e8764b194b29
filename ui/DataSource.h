#pragma once

#include <QAbstractTableModel>
#include <QHash>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <functional>
#include <optional>
#include <vector>

namespace platform
{
class Failure;
} // namespace platform

namespace ui
{

class TextBox;

// The kit's data control: the rows of a record source on one database, for the grid and the
// bound controls. The record source is a SELECT of whole rows of one table, with values bound to
// its "?" placeholders; a row is known by the table's integer primary key, else by its rowid and
// the fields it held when read (a vacuum may renumber the rowids of such a table).
//
// A refresh reads only the keys of the rows, in the record source's order; the fields of a row
// are read when something first asks for them, so a large table opens at once. A changed field
// waits in its row until the row is written: when the current row moves to another row, before
// a refresh, or on writePendingRows(). A write sets only the changed fields, and only while the
// table row still holds every field as this source read it, compared in the UPDATE itself;
// otherwise another workstation changed or deleted the row: nothing is written, the rows are read
// again (a row keeps its changes, so the typed text stays over the current content) and the next
// write compares with what is now shown. A row whose write fails keeps its changes.
// Not QSqlTableModel: it reads rows through one open query in turn, never by key, and its select()
// drops the changes that could not be written.
class DataSource : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit DataSource(QObject *parent = nullptr);

    void setDatabase(const QSqlDatabase &database);
    QSqlDatabase database() const { return m_database; }

    // Takes effect at the next refresh.
    void setRecordSource(const QString &sql, const QVariantList &values = {});
    const QString &recordSource() const { return m_sql; }
    const QVariantList &recordSourceValues() const { return m_values; }

    // Writes the pending rows, then reads the record source again; the first row becomes
    // current. Throws platform::Failure when a pending row cannot be written (nothing is read
    // again then) or when the record source is not a readable, updatable SELECT.
    void refresh();

    const QString &tableName() const { return m_table; }
    const QStringList &fieldNames() const { return m_fields; }
    // The position of the field among fieldNames(), ignoring case; -1 when absent.
    int fieldIndex(const QString &field) const;
    int recordCount() const { return static_cast<int>(m_keys.size()); }

    // -1 when there are no rows.
    int currentRow() const { return m_current; }
    // Makes the row current. Leaving a row writes the pending rows; a write that fails is
    // reported by writeFailed and the row left stays current with its changes, as it does when
    // the leave check refuses the move.
    void setCurrentRow(int row);
    // Asked before the current row is left for another: false keeps it current with its changes
    // unwritten (the window refuses a value typed in it, and tells the user so).
    void setLeaveCheck(std::function<bool()> mayLeave);

    // The field as the bound controls see it: the pending change if any, else the stored value
    // (Null as an invalid QVariant).
    QVariant value(int row, int field) const;
    // Records a change of the field; written with its row.
    void setValue(int row, int field, const QVariant &value);
    bool isPending(int row) const { return m_pending.contains(row); }
    bool hasPendingRows() const { return !m_pending.isEmpty(); }
    // Whether the user changed the field of the row and the change is not written yet: a pending
    // change, or text typed into an unlocked box bound to it while the row is current.
    bool isChanged(int row, int field) const;

    // Writes every pending row, the bound boxes' changes included; throws platform::Failure at
    // the first row that cannot be written, which keeps its changes (as do the rows after it).
    void writePendingRows();

    // The box shows the field (named ignoring case) of each new current row. Text typed into an
    // unlocked box goes into the current row when it is written or left. Not QDataWidgetMapper:
    // that one writes back every mapped box, locked or unchanged, bypassing the box's line ends.
    void bind(TextBox &box, const QString &field);
    // Writes the current row from the bound boxes; throws platform::Failure when the row cannot
    // be written, which keeps its changes.
    void writeCurrentRow();

    struct FieldWrite {
        int row;
        int field;
        QVariant value;
    };
    // Writes each value into its row, checked as every write is, and runs alongside (more
    // statements on this database, attached files included) in the same transaction: all or
    // nothing. Only these fields are written; the rows' other changes stay pending. On a failure
    // nothing is written, nothing of it stays pending, and platform::Failure is thrown.
    void writeTogether(const std::vector<FieldWrite> &writes, const std::function<void()> &alongside = {});

    // The first row, in the record source's order, whose table row meets the condition (an SQL
    // expression over the table's fields with values bound to its "?"); -1 when none does.
    int findFirst(const QString &condition, const QVariantList &values) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

signals:
    // The current row changed (Reposition); -1 when the record source has no rows.
    void repositioned(int row);
    // A pending row could not be written when the current row moved; the description says why.
    void writeFailed(const QString &description);

private:
    using Row = QVariantList;

    struct BoundBox {
        TextBox *box;
        const QObject *widget; // the box's widget, which goes with the box's window
        QString field;
        QString shown; // the box's text as last shown, to tell the user's changes
    };

    void readShape();
    void readKeys();
    const Row &storedRow(int row) const;
    void readPage(int page) const;
    void writeRow(int row);
    // Writes the changes into the table row if it still holds what was read; gives the key the
    // row was found under, nullopt when another workstation changed or deleted it.
    std::optional<qint64> updateIfUnchanged(int row, const QHash<int, QVariant> &changes);
    // The same for a row known by its rowid, with the UPDATE's start ("... WHERE ") and its values.
    std::optional<qint64> updateByRowid(const QString &update, QVariantList values, int row, qint64 rowid);
    // Reads the rows again after another workstation changed the row, and says so.
    platform::Failure changedElsewhere(int row);
    // Forgets the rows read, but those with changes to write, which keep what they were read as.
    void forgetStoredRows();
    // Makes the row current (-1: none) and shows it in the bound boxes.
    void reposition(int row);
    void showBoundBoxes();
    // What the boxes show now is the row as shown, not a change of the user.
    void takeShownTexts();
    // Puts the text changed in the unlocked bound boxes into the current row.
    void takeBoundBoxes();

    QSqlDatabase m_database;
    QString m_sql;
    QVariantList m_values;

    QString m_table;
    QStringList m_fields;
    int m_keyField = -1; // among m_fields; -1 when rows are known by their rowid
    QString m_keyColumn; // the key in statements on the table
    QString m_keysQuery; // the keys of the record source, in its order
    std::vector<qint64> m_keys;
    int m_current = -1;

    mutable QHash<int, Row> m_stored;           // rows read so far, by row number
    QHash<int, QHash<int, QVariant>> m_pending; // changed fields of each pending row
    std::vector<BoundBox> m_boundBoxes;
    std::function<bool()> m_leaveCheck;
};

} // namespace ui
