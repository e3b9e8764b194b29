#pragma once

#include <QString>
#include <QStringView>

struct sqlite3;

namespace storage
{

// Texts compared after Unicode case folding, code point by code point, so "é" and "É" are equal.
// -1, 0 or 1.
int compareIgnoringCase(QStringView a, QStringView b);

// SQLite's own NOCASE, the order of every index a file declares COLLATE NOCASE: ASCII letters
// compare ignoring case, every other character by its code point ("É" and "é" differ). -1, 0 or 1.
int compareAsNocase(QStringView a, QStringView b);

// The name under which our connections know compareIgnoringCase, for queries only: no file may
// declare it, as no other SQLite reader has it. NOCASE keeps SQLite's meaning on our connections.
inline const QString CaseFoldCollation = QStringLiteral("TORB_CASEFOLD");

void installCaseFoldCollation(sqlite3 *handle);

} // namespace storage
