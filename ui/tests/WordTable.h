#pragma once

#include "tests/support/fixtures/TempFolder.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QUuid>
#include <QVariant>
#include <gtest/gtest.h>

namespace ui_testing_tables
{

// A small SQLite table WORDS (W_NUM key, W_TEXT, W_NOTE) on a connection of its own, for the
// data source and the grid:
//   1 "pomme" "fruit"   2 "Poire" Null   3 "abricot" ""   4 "prune" "fruit"
class WordTable
{
public:
    WordTable()
    {
        m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QUuid::createUuid().toString());
        m_db.setDatabaseName(m_folder.file(QStringLiteral("words.db")));
        EXPECT_TRUE(m_db.open());
        exec("CREATE TABLE WORDS (W_NUM INTEGER PRIMARY KEY, W_TEXT TEXT, W_NOTE TEXT)");
        exec(
            "INSERT INTO WORDS (W_TEXT, W_NOTE) VALUES ('pomme', 'fruit'), ('Poire', NULL), ('abricot', ''), "
            "('prune', 'fruit')");
    }
    ~WordTable()
    {
        const QString name = m_db.connectionName();
        m_db.close();
        m_db = QSqlDatabase();
        QSqlDatabase::removeDatabase(name);
    }

    const QSqlDatabase &database() const { return m_db; }

    void exec(const char *sql)
    {
        QSqlQuery query(m_db);
        EXPECT_TRUE(query.exec(QString::fromUtf8(sql))) << sql;
    }
    // The stored field of the row with that key (Null as an invalid value).
    QVariant stored(int key, const char *field) const
    {
        QSqlQuery query(m_db);
        query.prepare(QStringLiteral("SELECT %1 FROM WORDS WHERE W_NUM = ?").arg(QString::fromUtf8(field)));
        query.addBindValue(key);
        query.exec();
        return query.next() && !query.isNull(0) ? query.value(0) : QVariant();
    }

private:
    testing_support::TempFolder m_folder;
    QSqlDatabase m_db;
};

} // namespace ui_testing_tables
