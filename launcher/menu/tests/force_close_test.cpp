#include "launcher/menu/ForceClose.h"
#include "launcher/menu/Menuprod.h"
#include "launcher/menu/WindowSearch.h"
#include "support/MenuDoubles.h"
#include "ui/testing/ScriptedDialogs.h"

#include <gtest/gtest.h>

using namespace menu;
using menu::testing::MenuDoubles;
using menu::testing::ScriptedWindows;
using platform::TopLevelWindow;
using ui::Answer;
using ui::testing::ScriptedDialogs;

namespace
{

const QString confirmAll = QStringLiteral("Forcer la fermeture de TORBPROD ?");

QString moduleQuestion(const char *word)
{
    return QStringLiteral("Forcer la fermeture du module %1 ?").arg(QString::fromUtf8(word));
}

TopLevelWindow shown(platform::WindowHandle handle, const QString &title)
{
    return {handle, title, true};
}

TopLevelWindow hidden(platform::WindowHandle handle, const QString &title)
{
    return {handle, title, false};
}

TEST(WindowSearch, FindsTheFirstVisibleTitledWindowIgnoringCase)
{
    const QString longPrefix(250, QLatin1Char('x'));
    const struct {
        std::vector<TopLevelWindow> windows;
        const char *word;
        platform::WindowHandle found;
    } cases[] = {
        {{shown(1, "Bloc-notes"), shown(2, "TORBSTOC - Stocks"), shown(3, "TORBSTOC 2")}, "TORBSTOC", 2},
        {{shown(1, "torbstoc (copie)")}, "TORBSTOC", 1},
        {{hidden(1, "TORBSTOC"), shown(2, "TORBSTOC")}, "TORBSTOC", 2},
        {{hidden(1, "TORBSTOC")}, "TORBSTOC", 0},
        {{shown(1, "TORBPLAN")}, "TORPLAN", 0},
        {{shown(1, longPrefix + "TORB")}, "TORB", 1},  // ends at character 254
        {{shown(1, longPrefix + "xTORB")}, "TORB", 0}, // past the search's 254 characters
        {{shown(1, "")}, "", 0},                       // a window without a title is never found
        {{}, "TORBSTOC", 0},
    };
    for (const auto &c : cases) {
        ScriptedWindows windows;
        windows.windows = c.windows;
        EXPECT_EQ(Cherche_Fenetre(windows, QString::fromUtf8(c.word)), c.found) << c.word;
    }
}

TEST(WindowSearch, ClosePassReachesEveryWindowHoldingTheWordWithItsCase)
{
    ScriptedWindows windows;
    const QString longPrefix(251, QLatin1Char('x'));
    windows.windows = {
        shown(1, "TORBSTOC - Stocks"),  hidden(2, "Aide TORBSTOC"),         shown(3, "torbstoc"),
        shown(4, "Notes sur TORBSTOC"), hidden(5, longPrefix + "TORBSTOC"), shown(6, "TORBCOM")};
    Ferme_Fenetres(windows, QStringLiteral("TORBSTOC"));
    EXPECT_EQ(windows.closed, (std::vector<platform::WindowHandle>{1, 2, 4}))
        << "lower case and a word past character 255 are left";
}

TEST(WindowSearch, UnreachableWindowsAreNotFoundButFailTheClosePass)
{
    ScriptedWindows windows;
    windows.unreachable = true;
    EXPECT_EQ(Cherche_Fenetre(windows, QStringLiteral("TORBSTOC")), 0u);
    EXPECT_THROW(Ferme_Fenetres(windows, QStringLiteral("TORBSTOC")), platform::Failure);
}

class ForceClose : public ::testing::Test
{
protected:
    ForceClose() : doubles(QStringLiteral("/opt/torbprod")) {}

    std::vector<TopLevelWindow> &windows() { return doubles.windows.windows; }
    const std::vector<platform::WindowHandle> &closed() { return doubles.windows.closed; }

    ScriptedDialogs dialogs;
    MenuDoubles doubles;
};

TEST_F(ForceClose, CancelOnTheFirstQuestionClosesNothing)
{
    windows() = {shown(1, "TORBSTOC"), shown(2, "TORBCOM")};
    dialogs.expectMessage(Answer::Cancel, confirmAll);
    forceCloseModules(doubles.context);
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].title, QStringLiteral("Fermetur TORBPROD"));
    EXPECT_EQ(dialogs.shown()[0].buttons, ui::MessageButtons::OkCancel);
    EXPECT_TRUE(closed().empty());
}

TEST_F(ForceClose, WithoutModulesOnlyTheFirstQuestion)
{
    windows() = {shown(1, "Lupardo de nomenclatures"), hidden(2, "TORBSTOC")};
    dialogs.expectMessage(Answer::Ok, confirmAll);
    forceCloseModules(doubles.context);
    EXPECT_EQ(dialogs.shown().size(), 1u);
    EXPECT_TRUE(closed().empty()) << "the composer has no word; a hidden window alone asks nothing";
}

TEST_F(ForceClose, OneQuestionPerRunningModuleInListOrder)
{
    // The orders module is in front, yet stock is asked first.
    windows() = {shown(1, "TORBCOM - Commandes"), shown(2, "TORBSTOC - Stocks"), hidden(3, "TORBSTOC aide"),
                 shown(4, "TORBVEH"), shown(5, "torbtmps")};
    dialogs.expectMessage(Answer::Ok, confirmAll);
    dialogs.expectMessage(Answer::Ok, moduleQuestion("TORBSTOC"));
    dialogs.expectMessage(Answer::Cancel, moduleQuestion("TORBCOM"));
    dialogs.expectMessage(Answer::Ok, moduleQuestion("TORBTMPS"));
    dialogs.expectMessage(Answer::Ok, moduleQuestion("TORBVEH"));
    forceCloseModules(doubles.context);

    EXPECT_TRUE(dialogs.expectationsMet());
    EXPECT_EQ(dialogs.shown()[1].title, QStringLiteral("Fermeture TORBPROD"));
    EXPECT_EQ(closed(), (std::vector<platform::WindowHandle>{2, 3, 4}))
        << "the hidden stock window goes with the visible one; lower case asks but is not closed";
}

// The close pass of one module fails: its failure is shown and the next module still gets its turn.
TEST_F(ForceClose, FailureEndsOnlyThatModulesTurn)
{
    class FailingClosePass : public ScriptedWindows
    {
    public:
        int listings = 0;
        std::vector<TopLevelWindow> topLevelWindows() override
        {
            if (++listings == 2)
                throw platform::Failure(QStringLiteral("Affichage perdu"));
            return windows;
        }
    } failing;
    failing.windows = {shown(1, "TORBSTOC"), shown(2, "TORBCOM")};
    const MenuContext &context = doubles.context;
    const MenuContext withFailure{
        context.state, context.traduction, context.starter, context.activator,    failing,
        context.keys,  context.shell,      context.clock,   context.programFolder};
    dialogs.expectMessage(Answer::Ok, confirmAll);
    dialogs.expectMessage(Answer::Ok, moduleQuestion("TORBSTOC"));
    dialogs.expectMessage(Answer::Ok, QStringLiteral("Fermeture module: Affichage perdu"));
    dialogs.expectMessage(Answer::Ok, moduleQuestion("TORBCOM"));
    forceCloseModules(withFailure);
    EXPECT_TRUE(dialogs.expectationsMet());
    EXPECT_EQ(failing.closed, (std::vector<platform::WindowHandle>{2}));
}

TEST_F(ForceClose, F12AndTheToolsEntryForceCloseWhileOtherKeysPass)
{
    Menuprod menuprod(doubles.context);
    windows() = {shown(1, "TORBPRIX")};

    int key = 123; // F12
    dialogs.expectMessage(Answer::Ok, confirmAll);
    dialogs.expectMessage(Answer::Ok, moduleQuestion("TORBPRIX"));
    menuprod.form().onKeyDown(key, 0);
    EXPECT_EQ(key, 0) << "F12 is consumed";

    dialogs.expectMessage(Answer::Ok, confirmAll);
    dialogs.expectMessage(Answer::Cancel, moduleQuestion("TORBPRIX"));
    menuprod.form().menuEntry(QStringLiteral("M_KILLAPP")).click();

    for (int other : {13, 9, 65, 121}) {
        int code = other;
        menuprod.form().onKeyDown(code, 0);
        EXPECT_EQ(code, other);
    }
    EXPECT_TRUE(dialogs.expectationsMet());
    EXPECT_EQ(closed(), (std::vector<platform::WindowHandle>{1}));
    EXPECT_TRUE(doubles.starter.starts().empty()) << "the task table is no part of it";
}

} // namespace
