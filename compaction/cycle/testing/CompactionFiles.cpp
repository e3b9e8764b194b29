#include "compaction/cycle/testing/CompactionFiles.h"

#include "platform/Failure.h"
#include "storage/CreateDatabase.h"
#include "storage/Database.h"

#include <QCryptographicHash>
#include <QFile>
#include <QProcess>

namespace compaction::testing
{

namespace
{

constexpr int kFillerRowBytes = 4096;

} // namespace

void makeDatabase(const QString &path, const QString &marker, qint64 fillerBytes)
{
    storage::createDatabase(path, QStringLiteral("CREATE TABLE TMARK (MARK_TEXT TEXT);"
                                                 "CREATE TABLE TFILL (FILL_NUM INTEGER, FILL_DATA BLOB);"));
    storage::Database database = storage::Database::open(path);
    database.execute(QStringLiteral("INSERT INTO TMARK (MARK_TEXT) VALUES (?)"), {marker});
    const qint64 rows = std::max<qint64>(2, fillerBytes / kFillerRowBytes);
    database.execute(QStringLiteral("BEGIN"));
    for (qint64 row = 0; row < rows; ++row)
        database.execute(QStringLiteral("INSERT INTO TFILL (FILL_NUM, FILL_DATA) VALUES (?, randomblob(?))"),
                         {row, kFillerRowBytes});
    database.execute(QStringLiteral("COMMIT"));
    database.execute(QStringLiteral("DELETE FROM TFILL WHERE FILL_NUM % 2 = 0"));
}

QString readMarker(const QString &path)
{
    storage::Database database = storage::Database::open(path, storage::Access::ReadOnly);
    storage::QueryCursor marks = database.openQuery(QStringLiteral("SELECT MARK_TEXT FROM TMARK"));
    if (marks.atEnd())
        throw platform::Failure(QStringLiteral("No marker in %1").arg(path));
    return marks.value(0).toString();
}

QByteArray rowsDigest(const QString &path)
{
    storage::Database database = storage::Database::open(path);
    QCryptographicHash digest(QCryptographicHash::Sha256);
    for (const QString &query : {QStringLiteral("SELECT MARK_TEXT FROM TMARK ORDER BY rowid"),
                                 QStringLiteral("SELECT FILL_NUM, FILL_DATA FROM TFILL ORDER BY rowid")}) {
        for (storage::QueryCursor rows = database.openQuery(query); !rows.atEnd(); rows.moveNext()) {
            for (int column = 0; column < rows.fieldNames().size(); ++column)
                digest.addData(rows.value(column).toByteArray() + '\0');
        }
    }
    return digest.result().toHex();
}

QString integrityCheck(const QString &path)
{
    QProcess sqlite3;
    sqlite3.start(QStringLiteral("sqlite3"), {path, QStringLiteral("PRAGMA integrity_check")});
    if (!sqlite3.waitForFinished(60000))
        return QStringLiteral("sqlite3 did not finish");
    return QString::fromUtf8(sqlite3.readAllStandardOutput() + sqlite3.readAllStandardError()).trimmed();
}

void makeTextFile(const QString &path, const QByteArray &contents)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(contents) != contents.size())
        throw platform::Failure(QStringLiteral("Cannot write %1").arg(path));
}

} // namespace compaction::testing
