#include "ui/ComboBox.h"
#include "ui/Form.h"
#include "ui/ListBox.h"
#include "ui/tests/QtPrinters.h"

#include <QComboBox>
#include <QListWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace
{

class ListControls : public ::testing::Test
{
protected:
    ListControls()
    {
        for (const char *entry : {"ZETA", "alpha", "Mu"}) {
            list.addItem(entry);
            combo.addItem(entry);
        }
        list.onClick = [this] { clicks.append("list " + list.text()); };
        list.onDblClick = [this] { clicks.append("double " + list.text()); };
        combo.onClick = [this] { clicks.append("combo " + combo.text()); };
        form.show();
    }
    ~ListControls() override { form.discard(); }

    ui::Form form{"FListes"};
    ui::ListBox &list = form.add<ui::ListBox>({"LST", {0, 0, 3000, 2000}, {}, 0});
    ui::ComboBox &combo = form.add<ui::ComboBox>({"CBO", {0, 2100, 3000, 360}, {}, 1});
    QStringList clicks;
};

TEST_F(ListControls, EntriesStayInTheOrderAddedAndNoneIsChosenAtFirst)
{
    for (const ui::Control *control : {static_cast<ui::Control *>(&list), static_cast<ui::Control *>(&combo)})
        EXPECT_TRUE(control->text().isEmpty()) << control->name().toStdString();
    EXPECT_EQ(list.listIndex(), -1);
    EXPECT_EQ(QStringList({list.list(0), list.list(1), list.list(2), list.list(3)}),
              QStringList({"ZETA", "alpha", "Mu", ""}));
    EXPECT_EQ(QStringList({combo.list(0), combo.list(1), combo.list(2), combo.list(-1)}),
              QStringList({"ZETA", "alpha", "Mu", ""}));
    EXPECT_TRUE(clicks.isEmpty());
}

TEST_F(ListControls, ChoosingAnEntryByProgramRaisesClickOncePerChange)
{
    list.setListIndex(1);
    combo.setText("Mu");
    combo.setText("Mu");
    list.setText("absent");
    EXPECT_EQ(list.listIndex(), -1);
    EXPECT_EQ(clicks, QStringList({"list alpha", "combo Mu"}));
}

TEST_F(ListControls, ClearingTheListChoosesNothingAndRaisesNoClick)
{
    list.setListIndex(2);
    list.clear();
    EXPECT_EQ(list.listCount(), 0);
    EXPECT_TRUE(list.text().isEmpty());
    EXPECT_EQ(clicks, QStringList({"list Mu"}));
}

TEST_F(ListControls, AComboClicksOnAChoiceNotOnTheMouse)
{
    auto *widget = static_cast<QComboBox *>(combo.widget());
    QTest::mouseClick(widget, Qt::LeftButton);
    widget->hidePopup();
    EXPECT_TRUE(clicks.isEmpty());
    QTest::keyClick(widget, Qt::Key_Down);
    EXPECT_EQ(clicks, QStringList({"combo ZETA"}));
}

TEST_F(ListControls, AUserDoubleClickRaisesClickThenDblClick)
{
    auto *widget = static_cast<QListWidget *>(list.widget());
    const QPoint entry = widget->visualItemRect(widget->item(2)).center();
    QTest::mouseClick(widget->viewport(), Qt::LeftButton, {}, entry);
    QTest::mousePress(widget->viewport(), Qt::LeftButton, {}, entry);
    QTest::mouseDClick(widget->viewport(), Qt::LeftButton, {}, entry);
    QTest::mouseRelease(widget->viewport(), Qt::LeftButton, {}, entry);
    EXPECT_EQ(clicks, QStringList({"list Mu", "double Mu"}));
}

} // namespace
