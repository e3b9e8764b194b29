#include "compaction/FPressolite.h"
#include "tests/support/fixtures/FocusDisplay.h"
#include "tests/support/fixtures/TempFolder.h"
#include "ui/CommandButton.h"
#include "ui/testing/OnDisplay.h"
#include "ui/tests/QtPrinters.h"

#include <QFile>
#include <gtest/gtest.h>

namespace
{

using testing_support::eventuallyHandled;
using testing_support::pressKeys;
using ui::testing::keyboardIn;

// A run by the keyboard alone over a folder without module databases: Enter starts it, its two
// boxes are answered with Enter, and the window then has the keyboard in its folder box, from which
// Tab follows the window's tab order.
TEST(PressoliteKeys, ARunByTheKeyboardEndsWithTheKeyboardInTheFolderBox)
{
    testing_support::TempFolder folder;
    QFile other(folder.file(QStringLiteral("AUTRE.MDB")));
    ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    other.close();
    ui::testing::RealBoxes boxes([] { pressKeys({QStringLiteral("Return")}); });
    compaction::FPressolite window(folder.path());
    window.show();
    ASSERT_TRUE(testing_support::activeUnderPointer(window.window()));
    window.folderBox().setText(folder.path());
    window.get<ui::CommandButton>(QStringLiteral("CMD_Executer")).setFocus();
    ASSERT_TRUE(keyboardIn(window, "CMD_Executer"));

    pressKeys({QStringLiteral("Return")});
    ASSERT_TRUE(eventuallyHandled([&] { return boxes.texts().size() == 2; }));
    EXPECT_EQ(boxes.texts().last(), QStringLiteral("Traitement terminé..."));
    EXPECT_TRUE(keyboardIn(window, "CTX_DBPATH"));
    const QStringList order{"CMD_Executer", "CMD_Quitter", "CTX_Status", "CHK_TousMDB", "CTX_DBPATH"};
    EXPECT_EQ(ui::testing::focusWalk(
                  window, [] { pressKeys({QStringLiteral("Tab")}); }, order.size()),
              order);
    window.discard();
}

} // namespace
