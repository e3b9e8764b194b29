#include "template-manager/tests/support/TemplateInstallation.h"
#include "tests/support/fixtures/FocusDisplay.h"
#include "ui/testing/OnDisplay.h"
#include "ui/tests/QtPrinters.h"

#include <gtest/gtest.h>

namespace
{

using testing_support::eventuallyHandled;
using testing_support::pressKeys;
using ui::testing::keyboardIn;

class TemplateKeys : public templates_testing::TemplateInstallation
{
protected:
    TemplateKeys() : window(start())
    {
        EXPECT_NE(window, nullptr);
        EXPECT_TRUE(testing_support::activeUnderPointer(window->window()));
    }

    bool nothingChosen() const
    {
        return window->templateList().listIndex() == -1 && window->nameBox().text().isEmpty();
    }

    modarin::FModarin *window;
};

TEST_F(TemplateKeys, TabFollowsTheTabOrderAndReachingTheListChoosesNothing)
{
    ASSERT_TRUE(keyboardIn(*window, "CTX_Nomdot"));
    const QStringList order{"DBL_ListeDot", "CMD_OuvreDot", "DBC_Appli", "CMD_Quitter", "CTX_Nomdot"};
    EXPECT_EQ(ui::testing::focusWalk(
                  *window, [] { pressKeys({QStringLiteral("Tab")}); }, order.size()),
              order);
    EXPECT_TRUE(nothingChosen());
}

// With nothing chosen, Enter on "Ouvrir le modèle Word" sends the focus to the list and chooses
// nothing there, so that a second Enter opens nothing either; the arrow keys then choose.
TEST_F(TemplateKeys, OpeningWithNothingChosenLeavesTheChoiceToTheUser)
{
    window->openButton().setFocus();
    ASSERT_TRUE(keyboardIn(*window, "CMD_OuvreDot"));
    pressKeys({QStringLiteral("Return")});
    EXPECT_TRUE(keyboardIn(*window, "DBL_ListeDot"));
    EXPECT_TRUE(nothingChosen());
    pressKeys({QStringLiteral("Tab"), QStringLiteral("Return")});
    EXPECT_TRUE(keyboardIn(*window, "DBL_ListeDot"));
    EXPECT_EQ(m_office.created, 0) << "no template opened";
    pressKeys({QStringLiteral("Down")});
    EXPECT_TRUE(eventuallyHandled([&] { return window->nameBox().text() == "ACRSDT1.DOT"; }));
}

} // namespace
