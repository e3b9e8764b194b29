#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

namespace storage
{

enum class KeyComparison { Equal, GreaterOrEqual, Greater };

// The SQL condition comparing the key columns (expressions with their collation) in index
// order with the values bound at ?1, ?2...: Null sorts before every value and equals Null.
// Null values are marked in nullValues and are not referenced, so they need no binding.
QString keyCondition(const QStringList &columns, const QVector<bool> &nullValues, KeyComparison comparison);

} // namespace storage
