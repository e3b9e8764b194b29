#include "launcher/settings/FPERSO.h"
#include "launcher/settings/tests/support/DataPathFixture.h"
#include "platform/KeySenderX11.h"
#include "tests/support/fixtures/FocusDisplay.h"
#include "tests/support/fixtures/TempFolder.h"
#include "ui/testing/OnDisplay.h"
#include "ui/tests/QtPrinters.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace
{

using testing_support::eventuallyHandled;
using testing_support::pressKeys;
using ui::testing::focusWalk;
using ui::testing::keyboardIn;

QStringList reversed(QStringList names)
{
    std::reverse(names.begin(), names.end());
    return names;
}

// The window's controls in tab order, from the one that has the focus when it opens.
const QStringList persoOrder{
    "CMD_Fond",      "CMD_FondBtn",   "CMD_TexteBtn", "CMD_DEFAUT", "CMD_Resultat",
    "CTX_FICINI",    "CMD_Enreg",     "CMD_ModifIni", "CMD_MajIni", "Opt_Langue(0)",
    "Opt_Langue(1)", "CMD_MajLangue", "Cmd_Fermer",
};

class PersoKeys : public ::testing::Test
{
protected:
    PersoKeys()
    {
        QDir().mkpath(data);
        state.Rep_Donnees = data;
        for (services::Couleur *colour : {&state.Coul_FondMenu, &state.Coul_FondBtn, &state.Coul_TexteBtn})
            *colour = qint32(0);
        window.form().show();
        EXPECT_TRUE(testing_support::activeUnderPointer(window.form().window()));
    }
    ~PersoKeys() override { window.form().discard(); }

    ::testing::AssertionResult onItsFirstControl() { return keyboardIn(window.form(), persoOrder.first()); }

    testing_support::TempFolder folder;
    const QString data = folder.file(QStringLiteral("SOC1")) + u'/';
    services::SharedState state;
    services::Traduction traduction{state};
    platform::X11KeySender keys;
    ui::Form menu{QStringLiteral("MENUPROD")};
    settings::FPERSO window{settings::SettingsContext{state, traduction, keys, menu}};
};

TEST_F(PersoKeys, TabFollowsTheWindowsTabOrderAndPassesTheSampleBy)
{
    ASSERT_TRUE(onItsFirstControl());
    const auto press = [](const char *key) { return [key] { pressKeys({QString::fromLatin1(key)}); }; };
    EXPECT_EQ(focusWalk(window.form(), press("Tab"), persoOrder.size()), persoOrder.mid(1)
                                                                             << persoOrder.first());
    EXPECT_EQ(focusWalk(window.form(), press("shift+Tab"), persoOrder.size()), reversed(persoOrder));
}

// Unlocked, edited and saved by the keyboard alone: Tab leaves the text box without typing into
// it, Enter clicks, and the box after the save gives the keyboard back to the text box.
TEST_F(PersoKeys, TheIniTextIsEditedAndSavedByTheKeyboard)
{
    ui::testing::RealBoxes boxes([] { pressKeys({QStringLiteral("Return")}); });
    ASSERT_TRUE(onItsFirstControl());
    window.form().button(QStringLiteral("CMD_MajIni")).setFocus();
    pressKeys({QStringLiteral("Return"), QStringLiteral("L"), QStringLiteral("A"), QStringLiteral("Tab")});
    EXPECT_TRUE(keyboardIn(window.form(), "CMD_Enreg"));
    pressKeys({QStringLiteral("Tab"), QStringLiteral("Return")});
    ASSERT_TRUE(eventuallyHandled([&] { return boxes.texts().size() == 1; }));
    EXPECT_TRUE(keyboardIn(window.form(), "CTX_FICINI"));
    QFile ini(data + QStringLiteral("torbprod.ini"));
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    EXPECT_EQ(ini.readAll(), QByteArray("LA\r\n")) << "no tab character in the file";
}

TEST_F(PersoKeys, ReopenedItStartsAgainOnItsFirstControl)
{
    ASSERT_TRUE(onItsFirstControl());
    window.form().button(QStringLiteral("Cmd_Fermer")).setFocus();
    pressKeys({QStringLiteral("Return")});
    ASSERT_TRUE(eventuallyHandled([this] { return !window.form().isLoaded(); })) << "Enter closes it";
    window.form().show();
    ASSERT_TRUE(testing_support::activeUnderPointer(window.form().window()));
    EXPECT_TRUE(onItsFirstControl());
}

// The data-path window opens with the focus in its grid, over the sample rows (the first one
// networked, so that its network box takes the focus too).
class DataPathKeys : public ::testing::Test
{
protected:
    DataPathKeys()
    {
        fixture.addSampleRows();
        form().show();
        EXPECT_TRUE(testing_support::activeUnderPointer(form().window()));
    }

    settings::DataPathForm &form() { return fixture.window(); }

    platform::X11KeySender keys;
    settings_testing::DataPathFixture fixture{testing_support::schemaFolder(), &keys};
};

TEST_F(DataPathKeys, TabLeavesTheGridAndReachesEveryControl)
{
    ASSERT_TRUE(keyboardIn(form(), "DBG_APPLI"));
    const QStringList order{"CTX_PROD",    "CTX_NOMMDB",      "Dir_APPLI",  "DEV_APPLI",  "LSF_APPLI",
                            "CTX_Status",  "CTX_RESEAU",      "FPATH_PATH", "Cmd_efface", "CTX_PathServeur",
                            "CMD_MajPath", "DBC_PathServeur", "CmdUpdate",  "CmdClose",   "DBG_APPLI"};
    EXPECT_EQ(focusWalk(
                  form(), [] { pressKeys({QStringLiteral("Tab")}); }, order.size()),
              order);
    EXPECT_EQ(focusWalk(
                  form(), [] { pressKeys({QStringLiteral("shift+Tab")}); }, 2),
              (QStringList{"CmdClose", "CmdUpdate"}));
}

TEST_F(DataPathKeys, EnterInTheEnvironmentBoxStillMovesToTheNextControl)
{
    ASSERT_TRUE(keyboardIn(form(), "DBG_APPLI"));
    form().CTX_Status().setFocus();
    ASSERT_TRUE(keyboardIn(form(), "CTX_Status"));
    pressKeys({QStringLiteral("Return")});
    EXPECT_TRUE(keyboardIn(form(), "CTX_RESEAU"));
}

// The same wrong text is refused each time the box is left, and the focus goes back into it.
TEST_F(DataPathKeys, AWrongEnvironmentIsRefusedEachTimeTheBoxIsLeft)
{
    ui::testing::RealBoxes boxes([] { pressKeys({QStringLiteral("Return")}); });
    ASSERT_TRUE(keyboardIn(form(), "DBG_APPLI"));
    form().CTX_Status().setFocus();
    ASSERT_TRUE(keyboardIn(form(), "CTX_Status"));
    pressKeys({QStringLiteral("ctrl+a"), QStringLiteral("x")});
    for (int left = 1; left <= 2; ++left) {
        SCOPED_TRACE(left);
        pressKeys({QStringLiteral("Tab")});
        EXPECT_TRUE(eventuallyHandled([&] { return boxes.texts().size() == left; }));
        EXPECT_TRUE(keyboardIn(form(), "CTX_Status"));
    }
    EXPECT_TRUE(boxes.texts().last().startsWith(QStringLiteral("Type d'environnement erroné :")));
}

} // namespace
