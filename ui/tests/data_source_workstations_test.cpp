#include "platform/Failure.h"
#include "tests/support/fixtures/SqliteCommand.h"
#include "tests/support/fixtures/TempFolder.h"
#include "tests/support/fixtures/WriteLock.h"
#include "ui/DataSource.h"
#include "ui/tests/QtPrinters.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QUuid>
#include <gtest/gtest.h>
#include <optional>

namespace
{

using testing_support::sqlite3Command;
using testing_support::WriteLock;

// A table of every kind of value, with an integer key (param true) or known by its rowid, read by
// a data source on one connection while another workstation writes the file with the sqlite3
// command. Row 1: 'pomme', 'fruit', 0.3, 3, x'00ff', '' ; row 2: 'poire' and Nulls. LOG receives
// the name of each field that an UPDATE sets.
class OtherWorkstation : public testing::TestWithParam<bool>
{
protected:
    void SetUp() override
    {
        ++m_files; // a case of its own starts on a file of its own
        m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QUuid::createUuid().toString());
        m_db.setDatabaseName(path());
        ASSERT_TRUE(m_db.open());
        exec(QStringLiteral("CREATE TABLE ITEMS (I_NUM INTEGER %1, I_TEXT TEXT COLLATE NOCASE, I_NOTE TEXT, "
                            "I_PRICE REAL, I_COUNT INTEGER, I_DATA BLOB, I_ANY)")
                 .arg(GetParam() ? QStringLiteral("PRIMARY KEY") : QString()));
        exec(QStringLiteral("INSERT INTO ITEMS VALUES (1, 'pomme', 'fruit', 0.3, 3, x'00ff', ''), "
                            "(2, 'poire', NULL, NULL, NULL, NULL, NULL)"));
        exec(QStringLiteral("CREATE TABLE LOG (L_FIELD TEXT)"));
        for (const char *field : {"I_NUM", "I_TEXT", "I_NOTE", "I_PRICE", "I_COUNT", "I_DATA", "I_ANY"})
            exec(QStringLiteral("CREATE TRIGGER SET_%1 AFTER UPDATE OF %1 ON ITEMS "
                                "BEGIN INSERT INTO LOG VALUES ('%1'); END")
                     .arg(QString::fromUtf8(field)));
        m_source.emplace();
        m_source->setDatabase(m_db);
        m_source->setRecordSource(QStringLiteral("SELECT * FROM ITEMS ORDER BY I_NUM"));
        m_source->refresh();
    }
    void TearDown() override
    {
        m_source.reset();
        const QString name = m_db.connectionName();
        m_db.close();
        m_db = QSqlDatabase();
        QSqlDatabase::removeDatabase(name);
    }

    QString path() const { return m_folder.file(QStringLiteral("items%1.db").arg(m_files)); }
    void exec(const QString &sql)
    {
        QSqlQuery query(m_db);
        EXPECT_TRUE(query.exec(sql)) << sql.toStdString();
    }
    int field(const char *name) const { return m_source->fieldIndex(QString::fromUtf8(name)); }
    // What the other workstation sees of a field of row 1.
    QString stored(const char *name) const
    {
        return sqlite3Command(path(), QStringLiteral("SELECT %1 FROM ITEMS WHERE I_NUM = 1;").arg(name));
    }

    testing_support::TempFolder m_folder;
    int m_files = 0;
    QSqlDatabase m_db;
    std::optional<ui::DataSource> m_source;
};

TEST_P(OtherWorkstation, AWriteSetsOnlyTheChangedFieldOfARowNobodyChangedWhateverItsValues)
{
    for (int row : {0, 1}) {
        exec(QStringLiteral("DELETE FROM LOG"));
        m_source->setValue(row, field("I_TEXT"), QStringLiteral("reinette"));
        m_source->writePendingRows();
        EXPECT_EQ(sqlite3Command(path(), QStringLiteral("SELECT group_concat(L_FIELD) FROM LOG;")),
                  QStringLiteral("I_TEXT"))
            << row;
    }
    EXPECT_EQ(sqlite3Command(path(), QStringLiteral("SELECT count(*) FROM ITEMS WHERE I_TEXT = 'reinette';")),
              QStringLiteral("2"));
}

TEST_P(OtherWorkstation, AWriteIsRefusedWhenTheRowNoLongerHoldsWhatWasReadAndTheTypedTextStays)
{
    const struct {
        const char *what;
        const char *statement;
        bool refused;
    } cases[] = {
        {"nothing", "", false},
        {"the same values written again", "UPDATE ITEMS SET I_NOTE = I_NOTE, I_PRICE = I_PRICE;", false},
        {"the field typed", "UPDATE ITEMS SET I_TEXT = 'pomme verte' WHERE I_NUM = 1;", true},
        {"another field", "UPDATE ITEMS SET I_NOTE = 'mûre' WHERE I_NUM = 1;", true},
        {"letter case alone", "UPDATE ITEMS SET I_TEXT = 'Pomme' WHERE I_NUM = 1;", true},
        {"the last bit of a number", "UPDATE ITEMS SET I_PRICE = 0.1 + 0.2 WHERE I_NUM = 1;", true},
        {"an empty text made Null", "UPDATE ITEMS SET I_ANY = NULL WHERE I_NUM = 1;", true},
        {"one byte", "UPDATE ITEMS SET I_DATA = x'00fe' WHERE I_NUM = 1;", true},
        {"deleted", "DELETE FROM ITEMS WHERE I_NUM = 1;", true},
    };
    for (const auto &change : cases) {
        SCOPED_TRACE(change.what);
        TearDown();
        SetUp();
        m_source->setValue(0, field("I_TEXT"), QStringLiteral("pomme d'api"));
        const QString before = stored("I_TEXT");
        if (*change.statement)
            sqlite3Command(path(), QString::fromUtf8(change.statement));
        const QString theirs = stored("I_TEXT");
        if (!change.refused) {
            m_source->writePendingRows();
            EXPECT_EQ(stored("I_TEXT"), QStringLiteral("pomme d'api"));
            continue;
        }
        try {
            m_source->writePendingRows();
            ADD_FAILURE() << "written";
        } catch (const platform::Failure &failure) {
            EXPECT_TRUE(
                failure.description().contains(QStringLiteral("un autre poste l'a changée ou supprimée")));
            // What the other workstation wrote into the field typed is told.
            EXPECT_EQ(failure.description().contains(QStringLiteral("I_TEXT : « %1 »").arg(theirs)),
                      theirs != before && !theirs.isEmpty());
        }
        EXPECT_EQ(stored("I_TEXT"), theirs);
        // The typed text stays over the row's current content, and leaving the row again writes it.
        EXPECT_TRUE(m_source->isPending(0));
        EXPECT_EQ(m_source->value(0, field("I_TEXT")).toString(), QStringLiteral("pomme d'api"));
        EXPECT_EQ(m_source->value(0, field("I_NOTE")).toString(), stored("I_NOTE"));
        if (theirs.isEmpty()) {
            EXPECT_THROW(m_source->writePendingRows(), platform::Failure);
            continue;
        }
        m_source->writePendingRows();
        EXPECT_EQ(stored("I_TEXT"), QStringLiteral("pomme d'api"));
    }
}

INSTANTIATE_TEST_SUITE_P(Tables, OtherWorkstation, testing::Values(true, false),
                         [](const auto &param) { return param.param ? "IntegerKey" : "Rowid"; });

using WritesTogether = OtherWorkstation;

TEST_P(WritesTogether, AreAllWrittenWithWhatGoesAlongOrNoneOfThemAndNothingStaysPending)
{
    const struct {
        const char *what;
        const char *otherWorkstation; // a statement run before, or the file held locked
        bool failsAlong;
    } cases[] = {
        {"written", "", false},
        {"a row changed by another workstation", "UPDATE ITEMS SET I_COUNT = 9 WHERE I_NUM = 2;", false},
        {"what goes along fails", "", true},
        {"the file locked by another program", "lock", false},
    };
    for (const auto &run : cases) {
        SCOPED_TRACE(run.what);
        TearDown();
        SetUp();
        exec(QStringLiteral("CREATE TABLE MOVES (M_WHAT TEXT)"));
        m_source->setValue(0, field("I_NOTE"), QStringLiteral("rouge")); // the user's, not written
        const QString other = QString::fromUtf8(run.otherWorkstation);
        std::optional<WriteLock> lock;
        if (other == QLatin1String("lock"))
            lock.emplace(path());
        else if (!other.isEmpty())
            sqlite3Command(path(), other);
        const auto writeBoth = [&] {
            m_source->writeTogether({{0, field("I_TEXT"), QStringLiteral("POMME")},
                                     {1, field("I_TEXT"), QStringLiteral("POIRE")}},
                                    [&] {
                                        exec(QStringLiteral("INSERT INTO MOVES VALUES ('fait')"));
                                        if (run.failsAlong)
                                            throw platform::Failure(QStringLiteral("historique"));
                                    });
        };
        const bool written = other.isEmpty() && !run.failsAlong;
        if (written)
            writeBoth();
        else
            EXPECT_THROW(writeBoth(), platform::Failure);
        lock.reset();

        const QString texts =
            sqlite3Command(path(), QStringLiteral("SELECT group_concat(I_TEXT) FROM ITEMS ORDER BY I_NUM;"));
        EXPECT_EQ(texts, written ? QStringLiteral("POMME,POIRE") : QStringLiteral("pomme,poire"));
        EXPECT_EQ(sqlite3Command(path(), QStringLiteral("SELECT count(*) FROM MOVES;")),
                  written ? QStringLiteral("1") : QStringLiteral("0"));
        EXPECT_EQ(m_source->value(1, field("I_TEXT")).toString(), written ? "POIRE" : "poire");
        EXPECT_FALSE(m_source->isPending(1));
        EXPECT_TRUE(m_source->isChanged(0, field("I_NOTE")));
        EXPECT_FALSE(m_source->isChanged(0, field("I_TEXT")));
        EXPECT_EQ(stored("I_NOTE"), QStringLiteral("fruit"));
        EXPECT_EQ(sqlite3Command(path(), QStringLiteral("PRAGMA integrity_check;")), QStringLiteral("ok"));
    }
}

INSTANTIATE_TEST_SUITE_P(Tables, WritesTogether, testing::Values(true, false),
                         [](const auto &param) { return param.param ? "IntegerKey" : "Rowid"; });

} // namespace
