#include "tests/support/fixtures/FocusDisplay.h"
#include "ui/Controls.h"
#include "ui/DataSource.h"
#include "ui/Dialogs.h"
#include "ui/Form.h"
#include "ui/Grid.h"
#include "ui/ListBox.h"
#include "ui/testing/OnDisplay.h"
#include "ui/tests/WordTable.h"

#include <gtest/gtest.h>

namespace
{

using testing_support::eventuallyHandled;
using testing_support::pressKeys;
using ui::testing::keyboardIn;

// A window with the kinds of controls the keyboard has to pass through: a grid over the word
// table, a multi-line text box, buttons (a 3-D sample out of the tab order), a list and a box
// checked when it is left.
class FormKeys : public ::testing::Test
{
protected:
    FormKeys()
        : grid(form.add<ui::Grid>({QStringLiteral("DBG_WORDS"), {120, 120, 6000, 2000}, {}, 0})),
          notes(form.add<ui::TextBox>(
              ui::ControlDesign(QStringLiteral("CTX_NOTES"), {120, 2200, 6000, 900}, {}, 1).severalLines())),
          ok(form.add<ui::CommandButton>(
              {QStringLiteral("CMD_OK"), {120, 3200, 1500, 400}, QStringLiteral("&Valider"), 2})),
          sample(form.add<ui::ThreeDButton>(
              {QStringLiteral("CMD_Sample"), {1800, 3200, 1500, 400}, QStringLiteral("Texte"), 3})),
          quit(form.add<ui::ThreeDButton>(
              {QStringLiteral("CMD_Quit"), {3500, 3200, 1500, 400}, QStringLiteral("&Quitter"), 4})),
          list(form.add<ui::ListBox>({QStringLiteral("LST_WORDS"), {120, 3700, 3000, 900}, {}, 5})),
          checked(form.add<ui::TextBox>({QStringLiteral("CTX_CHECK"), {3500, 3700, 1000, 400}, {}, 6}))
    {
        form.setClientSize(6300, 4800);
        form.setStartUpPosition(ui::StartUpPosition::CentreScreen);
        grid.setColumns({{.field = QStringLiteral("W_TEXT"), .header = QStringLiteral("Mot"), .width = 20}});
        source.setDatabase(table.database());
        source.setRecordSource(QStringLiteral("SELECT * FROM WORDS ORDER BY W_NUM"));
        grid.setDataSource(&source);
        source.refresh();
        grid.setActiveCell(1, 1);
        sample.setTabStop(false);
        for (const QString &word : {QStringLiteral("pomme"), QStringLiteral("poire")})
            list.addItem(word);
        ok.onClick = [this] { clicks << QStringLiteral("CMD_OK"); };
        quit.onClick = [this] { clicks << QStringLiteral("CMD_Quit"); };
        list.onClick = [this] { clicks << QStringLiteral("LST_WORDS ") + list.text(); };
        checked.onLostFocus = [this] {
            if (checked.text() == QLatin1String("R"))
                return;
            ui::dialogs().message(QStringLiteral("Valeur refusée"));
            checked.setFocus();
        };
        form.show();
    }
    ~FormKeys() override { grid.setDataSource(nullptr); }

    // Puts the keyboard in a control, as a click would.
    void focusOn(ui::Control &control)
    {
        ASSERT_TRUE(testing_support::activeUnderPointer(form.window())) << "the window gets the keyboard";
        control.setFocus();
        ASSERT_TRUE(keyboardIn(form, control.name()));
    }

    ui_testing_tables::WordTable table;
    ui::DataSource source;
    ui::Form form{QStringLiteral("FCLAVIER")};
    ui::Grid &grid;
    ui::TextBox &notes;
    ui::CommandButton &ok;
    ui::ThreeDButton &sample;
    ui::ThreeDButton &quit;
    ui::ListBox &list;
    ui::TextBox &checked;
    QStringList clicks;
};

TEST_F(FormKeys, TabAndShiftTabFollowTheTabOrderOutOfGridsAndTextBoxes)
{
    checked.setText(QStringLiteral("R"));
    const struct {
        const char *from;
        const char *keys;
        const char *to;
    } cases[] = {
        {"DBG_WORDS", "k Tab", "CTX_NOTES"},     {"DBG_WORDS", "Tab", "CTX_NOTES"},
        {"DBG_WORDS", "shift+Tab", "CTX_CHECK"}, {"CTX_NOTES", "Tab", "CMD_OK"},
        {"CTX_NOTES", "shift+Tab", "DBG_WORDS"}, {"CMD_OK", "Tab", "CMD_Quit"},
        {"CMD_Quit", "shift+Tab", "CMD_OK"},     {"CTX_CHECK", "Tab", "DBG_WORDS"},
        {"DBG_WORDS", "Down", "DBG_WORDS"},
    };
    for (const auto &step : cases) {
        SCOPED_TRACE(std::string(step.from) + " " + step.keys);
        focusOn(*form.find(QString::fromLatin1(step.from)));
        pressKeys(QString::fromLatin1(step.keys).split(u' '));
        EXPECT_TRUE(keyboardIn(form, QString::fromLatin1(step.to)));
    }
    EXPECT_EQ(grid.cellText(1, 1), QStringLiteral("k")) << "the cell typed in keeps its text";
    EXPECT_EQ(grid.activeRow(), 2) << "Down moves to the next row";
    EXPECT_EQ(notes.text(), QString()) << "no tab character typed";
}

TEST_F(FormKeys, EnterAndSpaceClickTheFocusedButton)
{
    for (ui::Control *button : {static_cast<ui::Control *>(&ok), static_cast<ui::Control *>(&quit)}) {
        for (const char *key : {"Return", "space"}) {
            SCOPED_TRACE(button->name().toStdString() + " " + key);
            clicks.clear();
            focusOn(*button);
            pressKeys({QString::fromLatin1(key)});
            EXPECT_TRUE(eventuallyHandled([&] { return clicks == QStringList{button->name()}; }))
                << clicks.join(' ').toStdString();
        }
    }
    focusOn(notes);
    pressKeys({QStringLiteral("Return")});
    EXPECT_EQ(clicks, QStringList{QStringLiteral("CMD_Quit")}) << "Enter in a text box is the text's";
}

TEST_F(FormKeys, TheFocusAloneChoosesNoListEntry)
{
    checked.setText(QStringLiteral("R"));
    focusOn(quit);
    pressKeys({QStringLiteral("Tab")});
    ASSERT_TRUE(keyboardIn(form, "LST_WORDS"));
    EXPECT_EQ(list.listIndex(), -1);
    EXPECT_TRUE(clicks.isEmpty());
    pressKeys({QStringLiteral("Down")});
    EXPECT_TRUE(eventuallyHandled([&] { return clicks == QStringList{QStringLiteral("LST_WORDS pomme")}; }))
        << clicks.join(' ').toStdString();
}

// After each box the window has the keyboard again, in the box the check put it back into: leaving
// it again checks again, and Alt+letter reaches the window's buttons.
TEST_F(FormKeys, AfterAMessageBoxTheWindowHasTheKeyboardBack)
{
    ui::testing::RealBoxes boxes([] { pressKeys({QStringLiteral("Return")}); });
    checked.setText(QStringLiteral("x"));
    focusOn(checked);
    for (int left = 1; left <= 2; ++left) {
        SCOPED_TRACE(left);
        pressKeys({QStringLiteral("Tab")});
        EXPECT_TRUE(eventuallyHandled([&] { return boxes.texts().size() == left; }));
        EXPECT_TRUE(keyboardIn(form, "CTX_CHECK"));
    }
    pressKeys({QStringLiteral("ctrl+a"), QStringLiteral("R"), QStringLiteral("alt+v")});
    EXPECT_TRUE(eventuallyHandled([&] { return clicks == QStringList{QStringLiteral("CMD_OK")}; }))
        << clicks.join(' ').toStdString();
    EXPECT_EQ(checked.text(), QStringLiteral("R"));
    EXPECT_EQ(boxes.texts().size(), 2);
}

} // namespace
