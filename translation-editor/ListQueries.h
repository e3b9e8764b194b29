#pragma once

#include <QString>
#include <QVariant>
#include <QVariantList>

namespace peluvar
{

// A record source of the translation list (a SELECT on TTRAD) or a condition on its rows, with
// the values bound to its placeholders. Typed text only ever travels as a bound value.
struct ListQuery {
    QString sql;
    QVariantList values;
};

// Every row, ordered by the language 1 column then the French text, both in French order
// (storage/FrenchOrder.h): the list at start and after "Restauration de la liste initiale".
ListQuery initialList();

// The rows whose French text begins with the answer, its outer blanks removed, compared
// ignoring case (accented letters included); an empty answer selects every row. Initial order.
ListQuery selectionList(const QString &answer);

// Every row, ordered by the French text in French order.
ListQuery frenchOrderList();

// The condition that a row meets when its French text contains the search answer, ignoring
// case (the database must have the contains function, ContainsFunction.h).
ListQuery searchCondition(const QString &answer);

// The text without the blanks at its two ends (only blanks: tabs and line breaks stay).
QString withoutOuterBlanks(const QString &text);

} // namespace peluvar
