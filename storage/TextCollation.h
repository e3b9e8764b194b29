#pragma once

#include <QStringView>

struct sqlite3;

namespace storage
{

// The text order of case-insensitive keys: code points compared after Unicode case folding, so
// "é" and "É" are equal and keys that differ only in case sort together. -1, 0 or 1.
int compareIgnoringCase(QStringView a, QStringView b);

// Replaces SQLite's ASCII-only NOCASE collation on the connection with compareIgnoringCase.
// Schema files declare such keys COLLATE NOCASE; only our connections order them this way.
void installCaseInsensitiveCollation(sqlite3 *handle);

} // namespace storage
