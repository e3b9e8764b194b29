#include "launcher/login/F_MDP.h"
#include "launcher/login/tests/support/ModuleDatabase.h"
#include "tests/support/fixtures/FocusDisplay.h"
#include "tests/support/fixtures/TempFolder.h"
#include "ui/testing/OnDisplay.h"
#include "ui/tests/QtPrinters.h"

#include <gtest/gtest.h>

namespace
{

using testing_support::eventuallyHandled;
using testing_support::pressKeys;

// After "Identification incorrecte" the dialog has the keyboard back in its profile box, where its
// own keys work again: Alt+F is its "&Fermer", not an "f" typed into the profile.
TEST(LoginKeys, AltFClosesTheDialogAfterAWrongPassword)
{
    testing_support::TempFolder folder;
    login_testing::ModuleDatabase module(folder.file(QStringLiteral("TORBSTOC.MDB")));
    module.addProfil(QStringLiteral("DUP"), QStringLiteral("ABCD"));
    services::SharedState etat;
    etat.Num_Module = 1;
    etat.DB_Module[0].base = module.base;
    services::Traduction traduction(etat);
    ui::Form host(QStringLiteral("FHOTE"));
    login::F_MDP login(etat, traduction);
    ui::testing::RealBoxes boxes([] { pressKeys({QStringLiteral("Return")}); });
    host.show();
    login.form().show();
    ASSERT_TRUE(testing_support::activeUnderPointer(login.form().window()));

    ASSERT_TRUE(ui::testing::keyboardIn(login.form(), "CTX_MDP_PROFIL"));
    pressKeys({QStringLiteral("d"), QStringLiteral("u"), QStringLiteral("p"), QStringLiteral("Return")});
    ASSERT_TRUE(ui::testing::keyboardIn(login.form(), "CTX_MDP_PSWD"))
        << "Enter on a known profile goes on to the password";
    pressKeys({QStringLiteral("z"), QStringLiteral("z"), QStringLiteral("z"), QStringLiteral("z"),
               QStringLiteral("Return")});
    ASSERT_TRUE(eventuallyHandled([&] { return boxes.texts() == QStringList{"Identification incorrecte"}; }));
    EXPECT_TRUE(ui::testing::keyboardIn(login.form(), "CTX_MDP_PROFIL"));

    pressKeys({QStringLiteral("alt+f")});
    EXPECT_TRUE(eventuallyHandled([&] { return !login.form().isLoaded(); })) << "Alt+F closes the dialog";
    EXPECT_EQ(login.form().profil().text(), QStringLiteral("DUP"));
    EXPECT_FALSE(etat.MDP_OK);
    host.discard();
}

} // namespace
