#include "ui/DataSource.h"

#include "platform/Failure.h"
#include "tests/support/fixtures/SqliteCommand.h"
#include "ui/Form.h"
#include "ui/TextBox.h"
#include "ui/tests/QtPrinters.h"
#include "ui/tests/WordTable.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

namespace
{

// A data source on the word table.
class DataSourceTest : public ::testing::Test
{
protected:
    void SetUp() override { m_source.setDatabase(m_table.database()); }
    void TearDown() override { m_source.setDatabase(QSqlDatabase()); }

    void exec(const char *sql) { m_table.exec(sql); }
    QVariant stored(int key, const char *field) { return m_table.stored(key, field); }
    QStringList texts()
    {
        QStringList shown;
        for (int row = 0; row < m_source.recordCount(); ++row)
            shown << m_source.value(row, m_source.fieldIndex(QStringLiteral("W_TEXT"))).toString();
        return shown;
    }
    void show(const char *sql, const QVariantList &values = {})
    {
        m_source.setRecordSource(QString::fromUtf8(sql), values);
        m_source.refresh();
    }

    ui_testing_tables::WordTable m_table;
    ui::DataSource m_source;
};

TEST_F(DataSourceTest, ShowsTheRowsOfTheRecordSourceInItsOrderWithBoundValues)
{
    QSignalSpy repositioned(&m_source, &ui::DataSource::repositioned);
    show("SELECT * FROM WORDS WHERE W_TEXT <> ? ORDER BY W_TEXT COLLATE NOCASE;", {QStringLiteral("prune")});

    EXPECT_EQ(texts(), (QStringList{"abricot", "Poire", "pomme"}));
    EXPECT_EQ(m_source.fieldNames(), (QStringList{"W_NUM", "W_TEXT", "W_NOTE"}));
    EXPECT_EQ(m_source.tableName(), QStringLiteral("WORDS"));
    // The integer key is the rows' identity, not an editable field.
    EXPECT_FALSE(m_source.flags(m_source.index(0, 0)) & Qt::ItemIsEditable);
    EXPECT_TRUE(m_source.flags(m_source.index(0, 1)) & Qt::ItemIsEditable);
    EXPECT_EQ(m_source.currentRow(), 0);
    ASSERT_EQ(repositioned.count(), 1);
    EXPECT_EQ(repositioned.at(0).at(0).toInt(), 0);

    const int note = m_source.fieldIndex(QStringLiteral("w_note"));
    EXPECT_FALSE(m_source.value(0, note).isNull()); // "" stays apart from Null
    EXPECT_EQ(m_source.value(0, note).toString(), QString());
    EXPECT_TRUE(m_source.value(1, note).isNull());
    EXPECT_FALSE(m_source.value(1, note).isValid());
}

TEST_F(DataSourceTest, AnEmptyRecordSourceHasNoCurrentRow)
{
    show("SELECT * FROM WORDS WHERE W_TEXT = ?", {QStringLiteral("kiwi")});
    EXPECT_EQ(m_source.recordCount(), 0);
    EXPECT_EQ(m_source.currentRow(), -1);
}

TEST_F(DataSourceTest, RefusesARecordSourceThatCannotBeWrittenBack)
{
    for (const char *sql : {"SELECT DISTINCT W_TEXT FROM WORDS", "SELECT W_NUM, upper(W_TEXT) FROM WORDS",
                            "SELECT * FROM MISSING"}) {
        m_source.setRecordSource(QString::fromUtf8(sql));
        EXPECT_THROW(m_source.refresh(), platform::Failure) << sql;
    }
}

TEST_F(DataSourceTest, AChangeIsWrittenWhenTheCurrentRowMovesOn)
{
    show("SELECT * FROM WORDS ORDER BY W_NUM");
    const int text = m_source.fieldIndex(QStringLiteral("W_TEXT"));
    ASSERT_TRUE(m_source.setData(m_source.index(0, text), QStringLiteral("pomme d'api")));

    EXPECT_TRUE(m_source.isPending(0));
    EXPECT_EQ(m_source.value(0, text).toString(), QStringLiteral("pomme d'api"));
    EXPECT_EQ(stored(1, "W_TEXT").toString(), QStringLiteral("pomme"));

    m_source.setCurrentRow(1);
    EXPECT_FALSE(m_source.hasPendingRows());
    EXPECT_EQ(stored(1, "W_TEXT").toString(), QStringLiteral("pomme d'api"));
    EXPECT_EQ(m_source.value(0, text).toString(), QStringLiteral("pomme d'api"));
}

TEST_F(DataSourceTest, PendingRowsAreWrittenOnRequestAndBeforeARefresh)
{
    show("SELECT * FROM WORDS ORDER BY W_NUM");
    const int note = m_source.fieldIndex(QStringLiteral("W_NOTE"));
    m_source.setValue(1, note, QStringLiteral("à pépins"));
    m_source.writePendingRows();
    EXPECT_EQ(stored(2, "W_NOTE").toString(), QStringLiteral("à pépins"));

    m_source.setValue(2, note, QStringLiteral("sec"));
    show("SELECT * FROM WORDS WHERE W_NUM = 4");
    EXPECT_EQ(stored(3, "W_NOTE").toString(), QStringLiteral("sec"));
}

TEST_F(DataSourceTest, AFailedWriteSaysWhyAndKeepsTheChange)
{
    exec("CREATE TRIGGER held BEFORE UPDATE ON WORDS BEGIN SELECT RAISE(ABORT, 'database is locked'); END");
    show("SELECT * FROM WORDS ORDER BY W_NUM");
    const int text = m_source.fieldIndex(QStringLiteral("W_TEXT"));
    QSignalSpy failed(&m_source, &ui::DataSource::writeFailed);
    m_source.setValue(0, text, QStringLiteral("pommes"));

    m_source.setCurrentRow(2);
    ASSERT_EQ(failed.count(), 1);
    EXPECT_TRUE(failed.at(0).at(0).toString().contains(QStringLiteral("locked")));
    EXPECT_EQ(m_source.currentRow(), 0);
    EXPECT_TRUE(m_source.isPending(0));
    EXPECT_EQ(m_source.value(0, text).toString(), QStringLiteral("pommes"));
    EXPECT_THROW(m_source.writePendingRows(), platform::Failure);
    EXPECT_THROW(m_source.refresh(), platform::Failure);
    EXPECT_EQ(m_source.recordCount(), 4);

    exec("DROP TRIGGER held");
    m_source.writePendingRows();
    EXPECT_EQ(stored(1, "W_TEXT").toString(), QStringLiteral("pommes"));
}

TEST_F(DataSourceTest, FindFirstLooksAmongTheShownRowsInTheirOrder)
{
    show("SELECT * FROM WORDS WHERE W_NUM > ? ORDER BY W_TEXT COLLATE NOCASE DESC", {1});
    // prune, Poire, abricot: "pomme" (key 1) matches too but is not shown.
    EXPECT_EQ(m_source.findFirst(QStringLiteral("W_TEXT LIKE ?"), {QStringLiteral("p%")}), 0);
    EXPECT_EQ(m_source.findFirst(QStringLiteral("W_NOTE IS NULL"), {}), 1);
    EXPECT_EQ(m_source.findFirst(QStringLiteral("W_TEXT = ?"), {QStringLiteral("pomme")}), -1);
    EXPECT_EQ(m_source.currentRow(), 0);
}

// A locked box that shows the text and a box where the note is typed, both bound to the source.
class BoundBoxTest : public DataSourceTest
{
protected:
    void SetUp() override
    {
        DataSourceTest::SetUp();
        m_text.setLocked(true);
        m_source.bind(m_text, QStringLiteral("w_text"));
        m_source.bind(m_note, QStringLiteral("W_NOTE"));
        show("SELECT * FROM WORDS ORDER BY W_NUM");
    }

    ui::Form m_form{QStringLiteral("FWORDS")};
    ui::TextBox &m_text = m_form.add<ui::TextBox>({QStringLiteral("CTX_Text"), {0, 0, 2000, 300}});
    ui::TextBox &m_note = m_form.add<ui::TextBox>(
        ui::ControlDesign(QStringLiteral("CTX_Note"), {0, 400, 2000, 600}).severalLines());
};

TEST_F(BoundBoxTest, TheBoxesShowTheFieldsOfEachNewCurrentRow)
{
    EXPECT_EQ(m_text.text(), QStringLiteral("pomme"));
    EXPECT_EQ(m_note.text(), QStringLiteral("fruit"));
    m_source.setCurrentRow(1);
    EXPECT_EQ(m_text.text(), QStringLiteral("Poire"));
    EXPECT_EQ(m_note.text(), QString());

    // Left untouched, a box leaves its Null field alone.
    m_source.setCurrentRow(2);
    EXPECT_FALSE(m_source.hasPendingRows());
    EXPECT_FALSE(stored(2, "W_NOTE").isValid());

    show("SELECT * FROM WORDS WHERE W_NUM > 9");
    EXPECT_EQ(m_text.text(), QString());
    EXPECT_EQ(m_note.text(), QString());
}

TEST_F(BoundBoxTest, TextTypedInAnUnlockedBoxIsWrittenOnRequestOrWhenTheRowIsLeft)
{
    m_note.setText(QStringLiteral("rouge\r\net sucrée"));
    m_text.setText(QStringLiteral("pêche"));
    EXPECT_FALSE(m_source.hasPendingRows());
    m_source.writeCurrentRow();
    EXPECT_EQ(stored(1, "W_NOTE").toString(), QStringLiteral("rouge\r\net sucrée"));
    EXPECT_EQ(stored(1, "W_TEXT").toString(), QStringLiteral("pomme"));

    m_source.setCurrentRow(3);
    m_note.setText(QStringLiteral("violette"));
    m_source.setCurrentRow(0);
    EXPECT_EQ(stored(4, "W_NOTE").toString(), QStringLiteral("violette"));
    EXPECT_EQ(m_note.text(), QStringLiteral("rouge\r\net sucrée"));
}

TEST_F(BoundBoxTest, AFailedWriteOfTheCurrentRowKeepsTheTypedText)
{
    exec("CREATE TRIGGER held BEFORE UPDATE ON WORDS BEGIN SELECT RAISE(ABORT, 'database is locked'); END");
    m_note.setText(QStringLiteral("mûre"));
    EXPECT_THROW(m_source.writeCurrentRow(), platform::Failure);
    EXPECT_TRUE(m_source.isPending(0));
    EXPECT_EQ(m_note.text(), QStringLiteral("mûre"));

    exec("DROP TRIGGER held");
    m_source.writeCurrentRow();
    EXPECT_EQ(stored(1, "W_NOTE").toString(), QStringLiteral("mûre"));
}

TEST_F(BoundBoxTest, AfterAnotherWorkstationsChangeTheTypedTextStaysOverTheRowsCurrentContent)
{
    m_note.setText(QStringLiteral("mûre"));
    testing_support::sqlite3Command(m_table.database().databaseName(),
                                    QStringLiteral("UPDATE WORDS SET W_TEXT = 'reinette' WHERE W_NUM = 1;"));
    EXPECT_THROW(m_source.writeCurrentRow(), platform::Failure);
    EXPECT_EQ(m_note.text(), QStringLiteral("mûre"));
    EXPECT_EQ(m_text.text(), QStringLiteral("reinette"));
    EXPECT_EQ(stored(1, "W_NOTE").toString(), QStringLiteral("fruit"));

    m_source.writeCurrentRow(); // the user applies it again, knowing
    EXPECT_EQ(stored(1, "W_NOTE").toString(), QStringLiteral("mûre"));
    EXPECT_EQ(stored(1, "W_TEXT").toString(), QStringLiteral("reinette"));
}

TEST_F(BoundBoxTest, WhatTheWindowPutsInABoxAsItShowsARowIsNotTheUsersChange)
{
    QObject::connect(&m_source, &ui::DataSource::repositioned, &m_source, [this] {
        if (m_note.text().isEmpty())
            m_note.setText(QStringLiteral("(sans note)"));
    });
    m_source.setCurrentRow(1);
    EXPECT_EQ(m_note.text(), QStringLiteral("(sans note)"));
    EXPECT_FALSE(m_source.isChanged(1, m_source.fieldIndex(QStringLiteral("W_NOTE"))));
    m_source.setCurrentRow(2);
    EXPECT_FALSE(m_source.hasPendingRows());
    EXPECT_FALSE(stored(2, "W_NOTE").isValid());
}

TEST_F(DataSourceTest, ATableWithoutAnIntegerKeyIsReadAndWrittenByRowid)
{
    for (const char *table : {"CREATE TABLE PLAIN (P_TEXT TEXT, P_NOTE TEXT)",
                              "CREATE TABLE PLAIN (P_TEXT TEXT PRIMARY KEY, P_NOTE TEXT)"}) {
        exec("DROP TABLE IF EXISTS PLAIN");
        exec(table);
        exec("INSERT INTO PLAIN VALUES ('kiwi', 'vert'), ('cerise', NULL), ('datte', 'sèche')");
        show("  select * from PLAIN WHERE P_TEXT <> ? order by P_TEXT;", {QStringLiteral("datte")});
        const int note = m_source.fieldIndex(QStringLiteral("P_NOTE"));
        EXPECT_EQ(m_source.fieldNames(), (QStringList{"P_TEXT", "P_NOTE"})) << table;
        EXPECT_FALSE(m_source.value(0, note).isValid()) << table;
        EXPECT_EQ(m_source.value(1, note).toString(), QStringLiteral("vert")) << table;
        EXPECT_EQ(m_source.findFirst(QStringLiteral("P_NOTE = ?"), {QStringLiteral("vert")}), 1) << table;

        m_source.setValue(0, note, QStringLiteral("rouge"));
        m_source.writePendingRows();
        QSqlQuery written(m_table.database());
        written.exec(QStringLiteral("SELECT P_NOTE FROM PLAIN WHERE P_TEXT = 'cerise'"));
        ASSERT_TRUE(written.next());
        EXPECT_EQ(written.value(0).toString(), QStringLiteral("rouge")) << table;
    }
}

} // namespace
