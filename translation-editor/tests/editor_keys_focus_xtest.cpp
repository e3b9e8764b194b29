#include "tests/support/fixtures/FocusDisplay.h"
#include "translation-editor/TranslationForm.h"
#include "translation-editor/tests/support/EditorInstallation.h"
#include "ui/Grid.h"
#include "ui/ThreeDButton.h"
#include "ui/testing/OnDisplay.h"
#include "ui/testing/ScriptedDialogs.h"
#include "ui/tests/QtPrinters.h"

#include <gtest/gtest.h>

namespace
{

using testing_support::eventuallyHandled;
using testing_support::pressKeys;
using ui::testing::keyboardIn;

// The editor on the sample translations in language 1: it opens with the focus in its grid.
class EditorKeys : public ::testing::Test
{
protected:
    EditorKeys()
    {
        {
            ui::testing::ScriptedDialogs language;
            language.expectInput(QStringLiteral("1"));
            form.show();
        }
        EXPECT_TRUE(testing_support::activeUnderPointer(form.window()));
    }
    ~EditorKeys() override { form.discard(); }

    editor_testing::EditorInstallation installation{editor_testing::withoutPrograms()};
    peluvar::TranslationForm form;
};

TEST_F(EditorKeys, TabLeavesTheGridAndReachesTheComment)
{
    ASSERT_TRUE(keyboardIn(form, "DBG_TRAD"));
    pressKeys({QStringLiteral("Down")});
    EXPECT_TRUE(keyboardIn(form, "DBG_TRAD"));
    EXPECT_EQ(form.grid().activeRow(), 2) << "the arrows move between the rows";
    const QStringList order{"CTX_Commentaire",
                            "Cmd_Op_ListeTrad(0)",
                            "Cmd_Op_ListeTrad(1)",
                            "Cmd_Op_ListeTrad(2)",
                            "Cmd_Op_ListeTrad(3)",
                            "Cmd_Quitter",
                            "DBG_TRAD"};
    EXPECT_EQ(ui::testing::focusWalk(
                  form, [] { pressKeys({QStringLiteral("Tab")}); }, order.size()),
              order);
    pressKeys({QStringLiteral("shift+Tab")});
    EXPECT_TRUE(keyboardIn(form, "Cmd_Quitter"));
}

// Enter on the search button asks its question; answered, the window has the keyboard back on the
// button.
TEST_F(EditorKeys, TheSearchIsAskedByEnterAndGivesTheKeyboardBack)
{
    ui::testing::RealBoxes boxes([] {
        pressKeys({QStringLiteral("D"), QStringLiteral("e"), QStringLiteral("v"), QStringLiteral("Return")});
    });
    form.get<ui::ThreeDButton>(QStringLiteral("Cmd_Op_ListeTrad"), 1).setFocus();
    ASSERT_TRUE(keyboardIn(form, "Cmd_Op_ListeTrad(1)"));
    pressKeys({QStringLiteral("Return")});
    ASSERT_TRUE(eventuallyHandled([&] { return boxes.texts() == QStringList{"Argument de recherche : "}; }));
    EXPECT_TRUE(
        eventuallyHandled([&] { return form.grid().cellText(1, form.grid().activeRow()) == "Devis"; }));
    EXPECT_TRUE(keyboardIn(form, "Cmd_Op_ListeTrad(1)"));
}

} // namespace
