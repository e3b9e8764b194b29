// The files that the suite writes stay valid for every SQLite reader whatever their keys hold,
// and the rows that the sqlite3 command writes are found by the suite's seeks.
#include "launcher/services/TranslationCopy.h"
#include "storage/Compaction.h"
#include "storage/CreateDatabase.h"
#include "storage/Database.h"
#include "storage/SeekIgnoringCase.h"
#include "tests/support/fixtures/SchemaFiles.h"
#include "tests/support/fixtures/SqliteCommand.h"
#include "tests/support/fixtures/TempFolder.h"

#include <QStringList>
#include <gtest/gtest.h>

using testing_support::schemaText;
using testing_support::sqlite3Command;

namespace
{

// ASCII, accented letters in lower and upper case, and pairs that differ only in the case of an
// accented letter.
const QStringList keys{
    QStringLiteral("abc"),
    QStringLiteral("ABD"),
    QStringLiteral("État des lieux"),
    QStringLiteral("état des lieux"),
    QStringLiteral("ÉTAT DES LIEUX 2"),
    QStringLiteral("Élan"),
    QStringLiteral("élan"),
    QStringLiteral("eau"),
    QStringLiteral("ÉCOLE2"),
    QStringLiteral("ébène"),
    QStringLiteral("Zèbre à l'œil"),
    QStringLiteral("ZÈBRE À L'ŒIL"),
    QStringLiteral("Texte de plus de vingt caractères"),
};

enum class Writer { Suite, SqliteCommand };

QString sqlText(const QString &text)
{
    return QLatin1Char('\'') + QString(text).replace(QLatin1Char('\''), QStringLiteral("''")) +
           QLatin1Char('\'');
}

std::string integrity(const QString &file)
{
    return sqlite3Command(file, QStringLiteral("PRAGMA integrity_check")).toStdString();
}

// The translation of each key, so that every row has its own.
QString translationOf(int row)
{
    return QStringLiteral("T%1").arg(row);
}

void writeTranslations(Writer writer, const QString &bdtrad)
{
    if (writer == Writer::SqliteCommand) {
        EXPECT_EQ(sqlite3Command(bdtrad, schemaText(QStringLiteral("BDTRAD.sql"))), QString());
        QStringList rows;
        for (int i = 0; i < keys.size(); ++i)
            rows << QStringLiteral("(%1, %2)").arg(sqlText(keys[i]), sqlText(translationOf(i)));
        sqlite3Command(bdtrad, QStringLiteral("INSERT INTO TTRAD (T_VALEUR, T_TRAD1) VALUES ") +
                                   rows.join(QStringLiteral(", ")));
        return;
    }
    storage::createDatabase(bdtrad, schemaText(QStringLiteral("BDTRAD.sql")));
    storage::Database base = storage::Database::open(bdtrad);
    for (int i = 0; i < keys.size(); ++i)
        base.execute(QStringLiteral("INSERT INTO TTRAD (T_VALEUR, T_TRAD1) VALUES (?, ?)"),
                     {keys[i], translationOf(i)});
}

// Each key (its first keyLength characters, -1 for all) by the suite's seek on the index, in its
// own spelling then ignoring case, and by a plain query of the sqlite3 command.
void expectEveryKeyFound(const QString &file, const QString &table, const QString &index,
                         const QString &field, qsizetype keyLength)
{
    storage::TableCursor cursor = storage::Database::open(file, storage::Access::ReadOnly).openTable(table);
    cursor.setIndex(index);
    for (int i = 0; i < keys.size(); ++i) {
        const QString key = keys[i].left(keyLength);
        SCOPED_TRACE(key.toStdString());
        ASSERT_TRUE(cursor.seek(storage::SeekOperator::Equal, {key}));
        EXPECT_EQ(cursor.value(field).toString().toStdString(), key.toStdString());
        const QString upper = key.toUpper();
        ASSERT_TRUE(storage::seekIgnoringCase(cursor, upper, [&](const storage::TableCursor &row) {
            return row.value(QStringLiteral("T_VALEUR")).toString() == keys[i];
        }));
        EXPECT_EQ(sqlite3Command(file, QStringLiteral("SELECT count(*) FROM %1 WHERE %2 = %3")
                                           .arg(table, field, sqlText(key))),
                  QStringLiteral("1"));
    }
}

TEST(SqliteReaders, AccentedKeysKeepTheFilesValidAndFoundWhoeverWritesThem)
{
    for (const Writer writer : {Writer::Suite, Writer::SqliteCommand}) {
        SCOPED_TRACE(writer == Writer::Suite ? "written by the suite" : "written by the sqlite3 command");
        testing_support::TempFolder folder;
        const QString bdtrad = folder.file(QStringLiteral("BDTRAD.MDB"));
        writeTranslations(writer, bdtrad);
        EXPECT_EQ(integrity(bdtrad), "ok");

        const QString bdloc = folder.file(QStringLiteral("BDLOC.MDB"));
        storage::createDatabase(bdloc, schemaText(QStringLiteral("BDLOC.sql")));
        {
            storage::Database local = storage::Database::open(bdloc);
            services::copyTranslations(local, bdtrad, 1);
        }
        EXPECT_EQ(integrity(bdloc), "ok");
        expectEveryKeyFound(bdloc, QStringLiteral("TMP_TRAD"), QStringLiteral("NTX_ABREGE"),
                            QStringLiteral("T_ABREGE"), services::TranslationKeyLength);

        storage::Compaction(bdtrad).compactInPlace();
        EXPECT_EQ(integrity(bdtrad), "ok");
        expectEveryKeyFound(bdtrad, QStringLiteral("TTRAD"), QStringLiteral("NTX_VALEUR"),
                            QStringLiteral("T_VALEUR"), -1);
    }
}

} // namespace
