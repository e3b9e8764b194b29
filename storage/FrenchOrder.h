#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

struct sqlite3;

namespace storage
{

// The order in which French users expect a list of texts. Texts compare by their letters
// without accents and case first, so "Échéance" sorts among the E's: blanks and
// punctuation before digits, digits before letters, ligatures as their letters ("œ" as "oe", "ß"
// as "ss"); apostrophes and hyphens count for nothing there ("l'aide" beside "laide"). Among texts
// equal so, the accents decide, from the first letter on: none, acute, grave, circumflex,
// diaeresis... ("cote", "coté", "côte", "côté"); then the case, lower before upper, letter by
// letter ("été", "Été"), a ligature after its letters; then the apostrophes and hyphens.
// The key of a text: two texts compare in that order as their keys compare byte by byte.
QByteArray frenchSortKey(QStringView text);

// -1, 0 or 1 in that order. Texts that differ only by the form of their accents (a letter and its
// accent as one character or two) are equal.
int compareInFrenchOrder(QStringView a, QStringView b);

// The SQL function that gives a text's key as a BLOB (Null for Null), for ORDER BY clauses: SQLite
// computes each row's key once and sorts the keys byte by byte, with no call back per comparison.
// Our connections add it under that name of their own; no file may name it (nor an index, view or
// trigger we create), as no other SQLite reader has it.
inline const QString FrenchSortKeyFunction = QStringLiteral("TORB_FRENCH_KEY");

// The expression that sorts by the field in French order.
QString inFrenchOrder(const QString &field);

void installFrenchSortKey(sqlite3 *handle);

} // namespace storage
