#include "storage/Compaction.h"
#include "storage/Database.h"
#include "storage/ErrorNumbers.h"

#include "storage/tests/support/Databases.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <functional>
#include <gtest/gtest.h>
#include <sqlite3.h>

using storage::Access;
using storage::Database;
using storage_testing::makeDatabase;
using testing_support::TempFolder;

namespace
{

const QString texts = QStringLiteral("CREATE TABLE TEXTS (KEY TEXT, VALUE TEXT);");

// Another workstation's connection, holding the file locked while it lives.
class Holder
{
public:
    explicit Holder(const QString &path)
    {
        EXPECT_EQ(
            sqlite3_open_v2(QFile::encodeName(path).constData(), &m_handle, SQLITE_OPEN_READWRITE, nullptr),
            SQLITE_OK);
        EXPECT_EQ(sqlite3_exec(m_handle, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
    }
    ~Holder()
    {
        sqlite3_exec(m_handle, "ROLLBACK", nullptr, nullptr, nullptr);
        sqlite3_close_v2(m_handle);
    }

private:
    sqlite3 *m_handle = nullptr;
};

QString filledDatabase(const TempFolder &folder, const QString &name)
{
    const QString path = makeDatabase(folder, name, texts);
    Database database = Database::open(path);
    database.execute(QStringLiteral("BEGIN"));
    for (int i = 0; i < 500; ++i)
        database.execute(QStringLiteral("INSERT INTO TEXTS VALUES (?, ?)"),
                         {QString::number(i), QString(200, QLatin1Char('x'))});
    database.execute(QStringLiteral("COMMIT"));
    return path;
}

struct FailureKind {
    const char *name;
    int number;
    const char *french; // in the description
    const char *named;  // the table or field named, if any
    QString file;       // the file named
    std::function<void()> produce;
};

} // namespace

// Each kind of failure produced for real on a file, and what the user reads of it.
TEST(SqlFailure, EachKindIsToldInFrenchWithItsFileAndSqlitesTextInBrackets)
{
    TempFolder folder;
    std::vector<FailureKind> kinds;

    {
        const QString path = filledDatabase(folder, QStringLiteral("TRUNCATED.MDB"));
        QFile file(path);
        ASSERT_TRUE(file.resize(file.size() / 3));
        kinds.push_back({"damaged", 11, "endommagée", nullptr, path, [path] {
                             Database::open(path).openQuery(QStringLiteral("SELECT count(VALUE) FROM TEXTS"));
                         }});
    }
    {
        const QString path = folder.file(QStringLiteral("RANDOM.MDB"));
        QByteArray bytes(8192, Qt::Uninitialized);
        QRandomGenerator generator(12);
        for (char &byte : bytes)
            byte = static_cast<char>(generator.bounded(256));
        storage_testing::writeFile(path, bytes);
        const QString main = makeDatabase(folder, QStringLiteral("MAIN.MDB"), texts);
        kinds.push_back({"not a database", storage::NotADatabase, "n'est pas une base de données", nullptr,
                         path, [path] { Database::open(path); }});
        kinds.push_back({"not a database, attached", storage::NotADatabase, "n'est pas une base de données",
                         nullptr, path,
                         [path, main] { Database::open(main).attach(path, QStringLiteral("OTHER")); }});
    }
    {
        const QString path = makeDatabase(folder, QStringLiteral("HELD.MDB"), texts);
        kinds.push_back(
            {"held by another workstation", SQLITE_BUSY, "occupée par un autre poste", nullptr, path, [path] {
                 Database database = Database::open(path);
                 // The wait for the lock is cut short.
                 database.execute(QStringLiteral("PRAGMA busy_timeout = 10"));
                 const Holder otherWorkstation(path);
                 database.openQuery(QStringLiteral("SELECT * FROM TEXTS"));
             }});
    }
    {
        const QString path = makeDatabase(folder, QStringLiteral("TORBSTOC.MDB"), texts);
        kinds.push_back({"held by another workstation during a compaction", SQLITE_BUSY,
                         "occupée par un autre poste", nullptr, path, [path] {
                             const Holder otherWorkstation(path);
                             storage::Compaction compaction(path);
                             compaction.compactInPlace();
                         }});
    }
    {
        const QString main = makeDatabase(folder, QStringLiteral("BDLOC.MDB"), texts);
        const QString other =
            makeDatabase(folder, QStringLiteral("BDTRAD.MDB"),
                         QStringLiteral("CREATE TABLE TTRAD (T_VALEUR TEXT, T_TRAD1 TEXT);"));
        const auto attached = [main, other](const QString &sql) {
            return [main, other, sql] {
                Database database = Database::open(main);
                database.attach(other, QStringLiteral("BDTRAD"), Access::ReadOnly);
                database.execute(sql);
            };
        };
        kinds.push_back({"missing field of an attached table", storage::FieldNotFound,
                         "Champ 'T_TRAD3' introuvable", "la table 'TTRAD'", other,
                         attached(QStringLiteral("INSERT INTO TEXTS SELECT T_VALEUR, BDTRAD.TTRAD.T_TRAD3 "
                                                 "FROM BDTRAD.TTRAD"))});
        kinds.push_back(
            {"missing field", storage::FieldNotFound, "Champ 'COMMENT' introuvable", nullptr, main,
             [main] { Database::open(main).execute(QStringLiteral("SELECT COMMENT FROM TEXTS")); }});
        kinds.push_back({"missing field written", storage::FieldNotFound, "Champ 'COMMENT' introuvable",
                         "la table 'TEXTS'", main, [main] {
                             Database::open(main).execute(
                                 QStringLiteral("INSERT INTO TEXTS (COMMENT) VALUES (1)"));
                         }});
        kinds.push_back({"missing table", storage::TableNotFound, "Table 'TMP_TRAD' introuvable", nullptr,
                         main, attached(QStringLiteral("DELETE FROM TMP_TRAD"))});
        kinds.push_back({"missing attached table", storage::TableNotFound, "Table 'TTRAD2' introuvable",
                         nullptr, other, attached(QStringLiteral("SELECT * FROM BDTRAD.TTRAD2"))});
    }
    {
        // Opened read-only: the engine refuses the write as for a file without write permission
        // (which the tests, run as root, cannot make).
        const QString path = makeDatabase(folder, QStringLiteral("READONLY.MDB"), texts);
        kinds.push_back({"read-only", SQLITE_READONLY, "lecture seule", nullptr, path, [path] {
                             Database::open(path, Access::ReadOnly)
                                 .execute(QStringLiteral("INSERT INTO TEXTS VALUES ('a', 'b')"));
                         }});
    }
    {
        // A full disk as the engine meets it: the file may not grow past its present size.
        const QString path = makeDatabase(folder, QStringLiteral("FULL.MDB"), texts);
        kinds.push_back({"full disk", SQLITE_FULL, "Disque plein", nullptr, path, [path] {
                             Database database = Database::open(path);
                             database.execute(QStringLiteral("PRAGMA max_page_count = 2"));
                             database.execute(QStringLiteral("INSERT INTO TEXTS VALUES ('a', ?)"),
                                              {QString(20000, QLatin1Char('x'))});
                         }});
    }
    {
        // The journal that a write needs cannot be written: a folder holds its name.
        const QString path = makeDatabase(folder, QStringLiteral("NOJOURNAL.MDB"), texts);
        ASSERT_TRUE(QDir().mkdir(path + QStringLiteral("-journal")));
        kinds.push_back(
            {"disk error", SQLITE_IOERR, "Erreur de lecture ou d'écriture", nullptr, path, [path] {
                 Database::open(path).execute(QStringLiteral("INSERT INTO TEXTS VALUES ('a', 'b')"));
             }});
    }

    for (const FailureKind &kind : kinds) {
        try {
            kind.produce();
            ADD_FAILURE() << kind.name << ": no failure";
        } catch (const platform::Failure &failure) {
            const QString text = failure.description();
            EXPECT_EQ(failure.number() & 0xff, kind.number & 0xff) << kind.name << ": " << text.toStdString();
            EXPECT_TRUE(text.contains(QString::fromUtf8(kind.french)))
                << kind.name << ": " << text.toStdString();
            EXPECT_TRUE(text.contains(QLatin1Char('\'') + kind.file + QLatin1Char('\'')))
                << kind.name << ": " << text.toStdString();
            if (kind.named) {
                EXPECT_TRUE(text.contains(QString::fromUtf8(kind.named)))
                    << kind.name << ": " << text.toStdString();
            }
            EXPECT_TRUE(text.endsWith(QLatin1Char(')'))) << kind.name << ": " << text.toStdString();
        }
    }
}
