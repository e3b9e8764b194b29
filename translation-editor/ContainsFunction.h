#pragma once

#include <QString>

class QSqlDatabase;

namespace peluvar
{

// The SQL function contains(text, part): 1 when the text contains the part ignoring case
// (accented letters included, as the search of the list compares), 0 when it does not, Null
// for a Null text. Every text contains the empty part.
inline const QString ContainsFunctionName = QStringLiteral("torb_contains");

// Whether the text contains the part ignoring case: the rule of the SQL function.
bool containsIgnoringCase(QStringView text, QStringView part);

// Makes the function known to the database's connection; throws platform::Failure when the
// connection is not an SQLite one.
void installContainsFunction(const QSqlDatabase &database);

} // namespace peluvar
