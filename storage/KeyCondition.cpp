#include "storage/KeyCondition.h"

namespace storage
{

namespace
{

QString parameter(int position)
{
    return QStringLiteral("?%1").arg(position + 1);
}

QString equalTo(const QString &column, bool isNull, int position)
{
    return isNull ? column + QStringLiteral(" IS NULL")
                  : column + QStringLiteral(" = ") + parameter(position);
}

QString greaterThan(const QString &column, bool isNull, int position)
{
    return isNull ? column + QStringLiteral(" IS NOT NULL")
                  : column + QStringLiteral(" > ") + parameter(position);
}

QString allEqual(const QStringList &columns, const QVector<bool> &nullValues, int count)
{
    QStringList terms;
    for (int i = 0; i < count; ++i)
        terms << equalTo(columns[i], nullValues[i], i);
    return terms.join(QStringLiteral(" AND "));
}

// Row values compare in one range the planner can take from the index; they cannot hold Null.
QString rowValueComparison(const QStringList &columns, KeyComparison comparison)
{
    QStringList parameters;
    for (int i = 0; i < columns.size(); ++i)
        parameters << parameter(i);
    const QString op = comparison == KeyComparison::Greater ? QStringLiteral(" > ") : QStringLiteral(" >= ");
    if (columns.size() == 1)
        return columns.first() + op + parameters.first();
    return QLatin1Char('(') + columns.join(QStringLiteral(", ")) + QLatin1Char(')') + op + QLatin1Char('(') +
           parameters.join(QStringLiteral(", ")) + QLatin1Char(')');
}

} // namespace

QString keyCondition(const QStringList &columns, const QVector<bool> &nullValues, KeyComparison comparison)
{
    if (comparison == KeyComparison::Equal)
        return allEqual(columns, nullValues, static_cast<int>(columns.size()));
    if (!nullValues.contains(true))
        return rowValueComparison(columns, comparison);
    QStringList alternatives;
    for (int i = 0; i < columns.size(); ++i) {
        const QString leading = allEqual(columns, nullValues, i);
        const QString greater = greaterThan(columns[i], nullValues[i], i);
        alternatives << QLatin1Char('(') +
                            (leading.isEmpty() ? greater : leading + QStringLiteral(" AND ") + greater) +
                            QLatin1Char(')');
    }
    if (comparison == KeyComparison::GreaterOrEqual)
        alternatives << QLatin1Char('(') + allEqual(columns, nullValues, static_cast<int>(columns.size())) +
                            QLatin1Char(')');
    return alternatives.join(QStringLiteral(" OR "));
}

} // namespace storage
