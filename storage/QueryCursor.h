#pragma once

#include "storage/FieldNames.h"

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>
#include <functional>

namespace storage
{

// The rows of one SELECT, read when it was opened (so it holds no lock). A field's Null is an
// invalid QVariant, kept apart from "".
class QueryCursor
{
public:
    QueryCursor(QStringList fieldNames, QVector<QVariantList> rows);

    const QStringList &fieldNames() const;
    int recordCount() const { return static_cast<int>(m_rows.size()); }

    void moveFirst();
    // Fails when there is no current row.
    void moveNext();
    bool atEnd() const;

    // The field of the current row; fails for an unknown field or when there is no current row.
    QVariant value(const QString &field) const;
    QVariant value(int column) const;

    // Moves to the first row, from the top, that meets the condition. When none does the
    // position stays where it was and noMatch() is true.
    bool findFirst(const std::function<bool(const QueryCursor &)> &condition);
    bool noMatch() const { return m_noMatch; }

private:
    void requireCurrentRow() const;

    FieldNames m_fields;
    QVector<QVariantList> m_rows;
    int m_position = 0;
    bool m_noMatch = false;
};

} // namespace storage
