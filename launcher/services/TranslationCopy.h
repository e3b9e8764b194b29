#pragma once

#include <QString>

namespace storage
{
class Database;
}

namespace services
{

// TMP_TRAD's key: the first characters of the French text, counted as platform::firstCharacters
// counts them, which is how SQLite's substr counts when the copy takes them.
inline constexpr qsizetype TranslationKeyLength = 20;

// Makes TMP_TRAD of bdloc hold exactly the rows of TTRAD in the translation database at path whose
// column for the language holds a translation, keyed by their first 20 characters. The rows are
// copied by one statement inside the engine, unless the source recorded with TMP_TRAD's rows shows
// that they are already those of this file as it stands, for this language. Every failure throws
// platform::Failure; a failed copy leaves TMP_TRAD empty.
void copyTranslations(storage::Database &bdloc, const QString &path, qint16 language);

} // namespace services
