#include "launcher/services/TranslationCopy.h"

#include "launcher/services/SkippingFailure.h"
#include "launcher/services/TranslationSource.h"
#include "storage/Database.h"

namespace services
{

namespace
{

const QString TranslationSchema = QStringLiteral("BDTRAD");

// The delete, the copy and the record of their source stand or fall together.
void copyRows(storage::Database &bdloc, const QString &path, qint16 language, bool recordsSource)
{
    // The column is named after the language number, which is no user text; the path is bound by
    // the attach. Left(T_VALEUR, 20) of the key is substr(T_VALEUR, 1, 20), which counts characters
    // as TRAD's key does (platform::firstCharacters). The column goes with its table, so that a
    // language the table lacks is told with the file and the table.
    const QString column = TranslationSchema + QStringLiteral(".TTRAD.T_TRAD") + QString::number(language);
    bdloc.attach(path, TranslationSchema, storage::Access::ReadOnly);
    try {
        bdloc.execute(QStringLiteral("BEGIN"));
        bdloc.execute(QStringLiteral("DELETE FROM TMP_TRAD"));
        bdloc.execute(QStringLiteral("INSERT INTO TMP_TRAD (T_ABREGE, T_VALEUR, T_TRAD) "
                                     "SELECT substr(T_VALEUR, 1, %1), T_VALEUR, %2 FROM %3.TTRAD "
                                     "WHERE coalesce(%2, '') <> '' ORDER BY T_VALEUR COLLATE NOCASE")
                          .arg(TranslationKeyLength)
                          .arg(column, TranslationSchema));
        // Taken while the copy's read of the file keeps every writer off it.
        if (recordsSource)
            recordTranslationSource(bdloc, currentTranslationSource(path, language));
        bdloc.execute(QStringLiteral("COMMIT"));
    } catch (...) {
        skippingFailure([&] { bdloc.execute(QStringLiteral("ROLLBACK")); });
        skippingFailure([&] { bdloc.detach(TranslationSchema); });
        throw;
    }
    bdloc.detach(TranslationSchema);
}

// The source record goes first: rows left behind by a failure are never taken for a copy.
void emptyRows(storage::Database &bdloc, bool recordsSource)
{
    if (recordsSource)
        skippingFailure([&] { recordTranslationSource(bdloc, std::nullopt); });
    skippingFailure([&] { bdloc.execute(QStringLiteral("DELETE FROM TMP_TRAD")); });
}

} // namespace

void copyTranslations(storage::Database &bdloc, const QString &path, qint16 language)
{
    const bool recordsSource = recordsTranslationSource(bdloc);
    if (recordsSource) {
        const std::optional<TranslationSource> current = currentTranslationSource(path, language);
        if (current && current == recordedTranslationSource(bdloc))
            return;
    }
    try {
        copyRows(bdloc, path, language, recordsSource);
    } catch (...) {
        emptyRows(bdloc, recordsSource);
        throw;
    }
}

} // namespace services
