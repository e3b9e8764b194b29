#pragma once

#include <QString>
#include <optional>

namespace storage
{
class Database;
}

namespace services
{

// What TMP_TRAD's rows were copied from: the translation database file as it stood, and the
// language. Any write to the file changes its SQLite change counter (and, in practice, its
// modification time); a file put in its place changes its inode.
struct TranslationSource {
    QString path; // resolved
    qint16 language = 0;
    qint64 size = 0;
    qint64 modifiedNs = 0;
    qint64 device = 0;
    qint64 inode = 0;
    qint64 changeCounter = 0;
    bool operator==(const TranslationSource &) const = default;
};

// The source as the file stands now. Nothing when that cannot be told for sure: the file cannot be
// read, is no SQLite file, is in WAL mode (whose writes leave the counter alone) or has a journal
// beside it (a write in progress or interrupted).
std::optional<TranslationSource> currentTranslationSource(const QString &path, qint16 language);

// Whether BDLOC.MDB has the table that records the source; an older one has not.
bool recordsTranslationSource(storage::Database &bdloc);

// The source recorded with TMP_TRAD's rows; nothing when none is.
std::optional<TranslationSource> recordedTranslationSource(storage::Database &bdloc);

// Replaces the record; nothing recorded when source is empty.
void recordTranslationSource(storage::Database &bdloc, const std::optional<TranslationSource> &source);

} // namespace services
