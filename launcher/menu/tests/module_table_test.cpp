#include "launcher/menu/ModuleTable.h"
#include "support/MenuDoubles.h"

#include <gtest/gtest.h>
#include <set>

using namespace menu;

namespace
{

// Marks what went through the translation.
QString bracketed(const QString &text)
{
    return QLatin1Char('<') + text + QLatin1Char('>');
}

TEST(ModuleTable, FailureMessagesTranslateTheirPiecesAsTheRowSays)
{
    const QString folder = QStringLiteral("/opt/torbprod/");
    const struct {
        const char *button;
        const char *message;
    } cases[] = {
        {"Cmd_Stoc", "<Programme >/opt/torbprod/<torbstoc/zlv0.exe introuvable>"},
        {"Cmd_Com", "<Programme >/opt/torbprod/<torbcom/torbcom.exe introuvable>"},
        {"Cmd_Plan", "<Programme >/opt/torbprod/<torbplan/torbplan.exe introuvable>"},
        {"CMD_Prix", "<Programme >/opt/torbprod/<torbprix/torbprix.exe introuvable>"},
        {"Cmd_Apro", "Programme /opt/torbprod/torbapro/torbapro.exe introuvable"},
        {"Cmd_Tmps", "<Programme >/opt/torbprod/<torbtmps/torbtmps.exe introuvable>"},
        {"CMD_Veh", "<Programme >/opt/torbprod/<torbveh/torbveh.exe introuvable>"},
        {"Cmd_Sarvelt", "<Programme >/opt/torbprod/sarvelt/sarvelt.exe< introuvable>"},
        {"Cmd_Nomenc", "<Programme >/opt/torbprod/<Lupardo/Lupardo.exe introuvable>"},
    };
    for (const auto &c : cases) {
        const ModuleRow &row = menu::testing::moduleRow(c.button);
        EXPECT_EQ(launchFailureMessage(row, folder, bracketed), QString::fromUtf8(c.message)) << c.button;
    }
}

TEST(ModuleTable, EachModuleHasItsOwnSlotAndFolder)
{
    std::set<int> usedSlots;
    std::set<QString> folders;
    for (const ModuleRow &row : moduleTable()) {
        usedSlots.insert(row.slot);
        folders.insert(row.folder);
        EXPECT_TRUE(row.program.startsWith(row.folder + QLatin1Char('/'))) << row.program.toStdString();
    }
    EXPECT_EQ(usedSlots, (std::set<int>{1, 2, 3, 4, 5, 6, 10, 11, 12}));
    EXPECT_EQ(folders.size(), moduleTable().size());
    EXPECT_EQ(menu::testing::moduleRow("Cmd_Stoc").program, QStringLiteral("torbstoc/zlv0.exe"));
}

} // namespace
