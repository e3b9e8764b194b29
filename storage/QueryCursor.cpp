#include "storage/QueryCursor.h"

#include "storage/FieldNames.h"

namespace storage
{

QueryCursor::QueryCursor(QStringList fieldNames, QVector<QVariantList> rows)
    : m_fields(std::move(fieldNames), QStringLiteral("la requête")), m_rows(std::move(rows))
{
}

const QStringList &QueryCursor::fieldNames() const
{
    return m_fields.names();
}

void QueryCursor::moveFirst()
{
    m_position = 0;
}

void QueryCursor::moveNext()
{
    requireCurrentRow();
    ++m_position;
}

bool QueryCursor::atEnd() const
{
    return m_position >= m_rows.size();
}

QVariant QueryCursor::value(const QString &field) const
{
    return value(m_fields.position(field));
}

QVariant QueryCursor::value(int column) const
{
    requireCurrentRow();
    return m_rows[m_position].value(column);
}

bool QueryCursor::findFirst(const std::function<bool(const QueryCursor &)> &condition)
{
    const int previous = m_position;
    for (m_position = 0; m_position < m_rows.size(); ++m_position) {
        if (condition(*this)) {
            m_noMatch = false;
            return true;
        }
    }
    m_position = previous;
    m_noMatch = true;
    return false;
}

void QueryCursor::requireCurrentRow() const
{
    if (atEnd())
        throw noCurrentRecordFailure();
}

} // namespace storage
