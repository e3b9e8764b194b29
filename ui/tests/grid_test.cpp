#include "ui/Grid.h"

#include "platform/Failure.h"
#include "ui/CharacterWidth.h"
#include "ui/DataSource.h"
#include "ui/Form.h"
#include "ui/tests/QtPrinters.h"
#include "ui/tests/WordTable.h"

#include <QLineEdit>
#include <QTableView>
#include <QTest>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>

namespace
{

// A grid of two columns (the text, locked; the note) over the word table in key order.
class GridTest : public ::testing::Test
{
protected:
    GridTest() : m_grid(m_form.add<ui::Grid>({QStringLiteral("DBG_WORDS"), {0, 0, 6000, 3000}}))
    {
        m_grid.setColumns({
            {.field = QStringLiteral("W_TEXT"), .header = QStringLiteral("Mot"), .width = 20, .locked = true},
            {.field = QStringLiteral("W_NOTE"), .header = QStringLiteral("Note"), .width = 10},
        });
        m_source.setDatabase(m_table.database());
        m_source.setRecordSource(QStringLiteral("SELECT * FROM WORDS ORDER BY W_NUM"));
        m_grid.setDataSource(&m_source);
        m_source.refresh();
    }
    ~GridTest() override { m_source.setDatabase(QSqlDatabase()); }

    QTableView &view() { return *static_cast<QTableView *>(m_grid.widget()); }
    QLineEdit *visibleEditor()
    {
        for (QLineEdit *editor : view().viewport()->findChildren<QLineEdit *>())
            if (editor->isVisible())
                return editor;
        return nullptr;
    }

    ui_testing_tables::WordTable m_table;
    ui::Form m_form{QStringLiteral("FWORDS")};
    ui::DataSource m_source;
    ui::Grid &m_grid;
};

TEST_F(GridTest, ShowsTheBoundRowsInItsColumns)
{
    EXPECT_EQ(m_grid.maxCols(), 2);
    EXPECT_EQ(m_grid.maxRows(), 4);
    EXPECT_EQ(m_grid.columnHeader(1), QStringLiteral("Mot"));
    EXPECT_EQ(view().model()->headerData(0, Qt::Vertical).toInt(), 1);
    EXPECT_EQ(m_grid.cellText(1, 2), QStringLiteral("Poire"));
    EXPECT_EQ(m_grid.cellText(2, 2), QString());
    EXPECT_EQ(m_grid.cellText(2, 9), QString());
    // Widths are in average characters of the grid's font, beside the same cell margins.
    EXPECT_NEAR(view().columnWidth(0) - view().columnWidth(1),
                10 * ui::averageCharacterWidth(QFontMetricsF(view().font())), 1);
    EXPECT_THROW(m_grid.columnHeader(3), platform::Failure);
    EXPECT_THROW(m_grid.setActiveCell(0, 1), platform::Failure);
}

TEST_F(GridTest, HidesAndRenamesColumns)
{
    m_grid.setColumnHidden(2, true);
    EXPECT_TRUE(view().isColumnHidden(1));
    m_grid.setColumnHidden(2, false);
    EXPECT_FALSE(view().isColumnHidden(1));
    m_grid.setColumnHeader(2, QStringLiteral("Remarque"));
    EXPECT_EQ(view().model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Remarque"));
}

TEST_F(GridTest, TheActiveCellAndTheCurrentRowFollowEachOther)
{
    m_grid.setActiveCell(2, 3);
    EXPECT_EQ(m_source.currentRow(), 2);
    m_source.setCurrentRow(0);
    EXPECT_EQ(m_grid.activeRow(), 1);
    EXPECT_EQ(m_grid.activeCol(), 2);
    m_grid.setActiveCell(2, 7); // past the last row: passed over
    EXPECT_EQ(m_grid.activeRow(), 1);
}

TEST_F(GridTest, TypedTextIsWrittenWhenTheRowIsLeftButALockedColumnRefusesIt)
{
    m_grid.setActiveCell(2, 1);
    m_grid.setCellText(2, 1, QStringLiteral("rouge"));
    m_grid.setCellText(1, 1, QStringLiteral("pêche"));
    EXPECT_EQ(m_grid.cellText(2, 1), QStringLiteral("rouge"));
    EXPECT_EQ(m_table.stored(1, "W_NOTE").toString(), QStringLiteral("fruit"));

    m_grid.setActiveCell(2, 2);
    EXPECT_EQ(m_table.stored(1, "W_NOTE").toString(), QStringLiteral("rouge"));
    EXPECT_EQ(m_table.stored(1, "W_TEXT").toString(), QStringLiteral("pomme"));
}

TEST_F(GridTest, ARowTheDataSourceDoesNotLeaveKeepsTheActiveCellWhateverAsksForTheMove)
{
    m_form.show();
    m_grid.setActiveCell(2, 2);
    m_source.setLeaveCheck([] { return false; });
    view().setFocus();
    const struct {
        const char *how;
        std::function<void()> move;
    } moves[] = {
        {"active cell", [&] { m_grid.setActiveCell(2, 4); }},
        {"key", [&] { QTest::keyClick(&view(), Qt::Key_Down); }},
        {"click",
         [&] {
             const QRect cell = view().visualRect(view().model()->index(3, 1));
             QTest::mouseClick(view().viewport(), Qt::LeftButton, {}, cell.center());
         }},
    };
    for (const auto &move : moves) {
        move.move();
        EXPECT_EQ(m_grid.activeRow(), 2) << move.how;
        EXPECT_EQ(m_source.currentRow(), 1) << move.how;
        const QModelIndexList selected = view().selectionModel()->selectedIndexes();
        EXPECT_TRUE(std::all_of(selected.cbegin(), selected.cend(), [](const QModelIndex &index) {
            return index.row() == 1;
        })) << move.how;
    }
    m_source.setLeaveCheck({});
    QTest::keyClick(&view(), Qt::Key_Down);
    EXPECT_EQ(m_source.currentRow(), 2);
}

TEST_F(GridTest, AnEditorClosedOnAnUnchangedCellLeavesANullAlone)
{
    m_grid.setActiveCell(2, 2);
    m_grid.setCellText(2, 2, QString());
    EXPECT_FALSE(m_source.hasPendingRows());
    m_grid.setActiveCell(2, 3);
    EXPECT_FALSE(m_table.stored(2, "W_NOTE").isValid());
}

TEST_F(GridTest, FinishEditingHandsTheTypedTextToTheDataSource)
{
    m_form.show();
    m_grid.setActiveCell(2, 4);
    view().edit(view().currentIndex());
    QLineEdit *editor = visibleEditor();
    ASSERT_NE(editor, nullptr);
    editor->setText(QStringLiteral("violette"));
    EXPECT_FALSE(m_source.hasPendingRows());

    m_grid.finishEditing();
    EXPECT_EQ(m_grid.cellText(2, 4), QStringLiteral("violette"));
    m_source.writePendingRows();
    EXPECT_EQ(m_table.stored(4, "W_NOTE").toString(), QStringLiteral("violette"));
}

TEST_F(GridTest, TypingOpensTheActiveCellButReachingACellDoesNot)
{
    m_form.show();
    m_grid.setActiveCell(2, 2);
    EXPECT_EQ(visibleEditor(), nullptr);
    QTest::keyClicks(&view(), QStringLiteral("W"));
    QLineEdit *editor = visibleEditor();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->text(), QStringLiteral("W"));
    EXPECT_EQ(m_grid.activeRow(), 2);
}

} // namespace
