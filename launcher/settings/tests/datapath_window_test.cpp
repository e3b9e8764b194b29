#include "launcher/settings/tests/support/DataPathFixture.h"

#include "platform/Files.h"

#include <QApplication>
#include <QDir>
#include <QTest>
#include <gtest/gtest.h>

using settings_testing::DataPathFixture;
using ui::Answer;

namespace
{

const QString noProduct =
    QStringLiteral("Aucun environnement trouvé : vous devez d'abord installer vos produits");

// Run on the tables of schema/ and on tables with only their defined fields.
class DataPathWindow : public testing::TestWithParam<bool>
{
protected:
    void SetUp() override { fixture.addSampleRows(); }

    settings::DataPathForm &window() { return fixture.window(); }
    // The grid's current row, 1-based, made current as a click in the grid would.
    void chooseRow(int row) { window().DBG_APPLI().setActiveCell(2, row); }
    storage::FolderRow stored(int key)
    {
        for (const storage::FolderRow &row : fixture.storedRows())
            if (row.number == key)
                return row;
        ADD_FAILURE() << "no row " << key;
        return {};
    }
    void leave(ui::TextBox &box)
    {
        box.setFocus();
        window().CTX_PathServeur().setFocus();
    }

    DataPathFixture fixture{GetParam() ? testing_support::bareSchemaFolder()
                                       : testing_support::schemaFolder()};
};

TEST(DataPathWindowEmpty, AnEmptyTableIsReportedOnceTranslatedAndTheWindowClosesItself)
{
    DataPathFixture fixture;
    fixture.translate(noProduct, QStringLiteral("No environment found"));
    fixture.dialogs.expectMessage(Answer::Ok, QStringLiteral("No environment found"));
    fixture.open();
    EXPECT_FALSE(fixture.fparsys->form().isLoaded());
    EXPECT_EQ(fixture.dialogs.shown().size(), 1u);
    EXPECT_TRUE(fixture.storedHistory().isEmpty());
}

TEST_P(DataPathWindow, TheLoadShowsTheRowsInKeyOrderWithTheFirstRowsFolderAsServerDefault)
{
    fixture.addFolderRows({{0, QStringLiteral("TORBTECH"), QStringLiteral("/srv/premier/"), std::nullopt,
                            QStringLiteral("TORBTECH.MDB"), QStringLiteral("M"), QStringLiteral(" ")}});
    fixture.addHistory(QStringLiteral("/srv/ancien/"));
    fixture.addHistory(QStringLiteral("/srv/recent/"));
    fixture.open();
    ASSERT_TRUE(fixture.fparsys->form().isLoaded());
    EXPECT_TRUE(fixture.dialogs.shown().empty()); // missing product programs are not reported
    ui::Grid &grid = window().DBG_APPLI();
    EXPECT_EQ(grid.maxRows(), 4);
    EXPECT_EQ(QStringList({grid.cellText(1, 1), grid.cellText(1, 2), grid.cellText(1, 4)}),
              QStringList({"0", "1", "3"}));
    EXPECT_EQ(window().CTX_PathServeur().text(), QStringLiteral("/srv/premier/"));
    EXPECT_EQ(window().DBC_PathServeur().text(), QStringLiteral("/srv/premier/"));
    ui::DataCombo &history = window().DBC_PathServeur();
    EXPECT_EQ(QStringList({history.list(0), history.list(1)}), QStringList({"/srv/recent/", "/srv/ancien/"}));
    EXPECT_EQ(window().CTX_PROD().text(), QStringLiteral("TORBTECH"));
}

TEST_P(DataPathWindow, ARowShownPointsTheListsAtItsDatabaseAndAppliesTheEnvironmentRule)
{
    fixture.writeFile(fixture.bases() + QStringLiteral("/AUTRE.MDB"));
    fixture.open();
    EXPECT_EQ(window().CTX_PROD().text(), QStringLiteral("TORBSTOC"));
    EXPECT_EQ(window().FPATH_PATH().text(), fixture.bases() + u'/');
    EXPECT_EQ(window().Dir_APPLI().path(), fixture.bases());
    EXPECT_EQ(window().LSF_APPLI().listCount(), 1);
    EXPECT_EQ(window().LSF_APPLI().list(0), QStringLiteral("TORBSTOC.MDB"));
    EXPECT_EQ(window().DEV_APPLI().drive(), QStringLiteral("/"));
    EXPECT_TRUE(window().CTX_RESEAU().enabled());
    EXPECT_EQ(window().CTX_RESEAU().text(), QStringLiteral("T"));

    chooseRow(2); // the template row: no database name, a folder that does not exist
    EXPECT_EQ(window().CTX_PROD().text(), QStringLiteral("MODELES"));
    EXPECT_EQ(window().Dir_APPLI().path(), fixture.bases());
    EXPECT_FALSE(window().CTX_RESEAU().enabled());
    EXPECT_EQ(window().CTX_RESEAU().text(), QStringLiteral(" "));
    EXPECT_TRUE(fixture.dialogs.shown().empty());
}

TEST_P(DataPathWindow, AFolderChosenInTheListsIsStoredInUpperCaseBySave)
{
    QDir().mkpath(fixture.root() + QStringLiteral("/Serveur/Straße"));
    fixture.writeFile(fixture.root() + QStringLiteral("/Serveur/Straße/torbstoc.mdb"));
    fixture.open();
    window().Dir_APPLI().setPath(fixture.root() + QStringLiteral("/serveur/straße"));
    ASSERT_EQ(window().LSF_APPLI().list(0), QStringLiteral("torbstoc.mdb"));
    window().LSF_APPLI().setListIndex(0); // differs from TORBSTOC.MDB only in case: accepted
    const QString chosen = fixture.root() + QStringLiteral("/Serveur/Straße/");
    EXPECT_EQ(window().FPATH_PATH().text(), chosen);
    EXPECT_EQ(stored(1).path, fixture.bases() + u'/'); // nothing saved yet

    window().CmdUpdate().click();
    // "ß" has no one capital letter: the stored folder still names the folder.
    const QString upper = fixture.root().toUpper() + QStringLiteral("/SERVEUR/STRAßE/");
    EXPECT_EQ(stored(1).path, upper);
    EXPECT_EQ(window().FPATH_PATH().text(), upper);
    EXPECT_TRUE(platform::isFolder(upper));
    EXPECT_TRUE(window().DBG_APPLI().hasFocus());
    EXPECT_TRUE(fixture.dialogs.shown().empty());
}

TEST_P(DataPathWindow, AnotherFileIsRefusedAndTheFolderStays)
{
    fixture.open();
    window().LSF_APPLI().setPattern(QStringLiteral("*"));
    ASSERT_EQ(window().LSF_APPLI().list(0), QStringLiteral("TORBCOM.MDB"));
    fixture.dialogs.expectMessage(Answer::Ok,
                                  QStringLiteral("Vous n'avez pas sélectionné une base TORBSTOC.MDB!"));
    window().LSF_APPLI().setListIndex(0);
    EXPECT_EQ(window().FPATH_PATH().text(), fixture.bases() + u'/');
}

TEST_P(DataPathWindow, ClearThenSaveLeavesAnEmptyFolderNotNull)
{
    fixture.open();
    window().Cmd_efface().click();
    EXPECT_EQ(window().FPATH_PATH().text(), QString());
    window().CmdUpdate().click();
    EXPECT_EQ(stored(1).path, std::optional<QString>(QString()));
    EXPECT_EQ(stored(3).path, fixture.bases() + u'/');
}

TEST_P(DataPathWindow, SingleStationBlanksTheNetworkTypeAndSavesTheBlank)
{
    fixture.open();
    window().CTX_Status().setText(QStringLiteral("M"));
    EXPECT_FALSE(window().CTX_RESEAU().enabled());
    EXPECT_EQ(window().CTX_RESEAU().text(), QStringLiteral(" "));
    window().CmdUpdate().click();
    EXPECT_EQ(stored(1).status, QStringLiteral("M"));
    EXPECT_EQ(stored(1).network, QStringLiteral(" "));

    // Back to networked: the box is open again with its blank, which leaving it refuses.
    window().CTX_Status().setText(QStringLiteral("R"));
    EXPECT_TRUE(window().CTX_RESEAU().enabled());
    EXPECT_EQ(window().CTX_RESEAU().text(), QStringLiteral(" "));
    fixture.dialogs.expectMessage(Answer::Ok,
                                  QStringLiteral("Type de réseau erroné :\r"
                                                 "  'L' si vous êtes sur le serveur\r"
                                                 "  'I' si vous êtes sous IPX (Novell, WORKSGROUP,...\r"
                                                 "  'T' si vous êtes sous TCP/IP\r"
                                                 "  'N' si vous êtes sous NETBIOS"));
    leave(window().CTX_RESEAU());
    EXPECT_TRUE(window().CTX_RESEAU().hasFocus());
}

TEST_P(DataPathWindow, TheEnvironmentCheckIsCaseSensitiveAndTranslatedLineByLine)
{
    fixture.translate(QStringLiteral("Type d'environnement erroné :"), QStringLiteral("Wrong environment:"));
    fixture.open();
    window().CTX_Status().setText(QStringLiteral("r"));
    fixture.dialogs.expectMessage(Answer::Ok, QStringLiteral("Wrong environment:\r"
                                                             "  'R' : Opérationnel en réseau\r"
                                                             "  'M' : Opérationnel en monoposte"));
    leave(window().CTX_Status());
    EXPECT_TRUE(window().CTX_Status().hasFocus());

    window().CTX_Status().setText(QStringLiteral("R"));
    leave(window().CTX_Status()); // accepted: no message
    EXPECT_EQ(fixture.dialogs.shown().size(), 1u);
}

TEST_P(DataPathWindow, EnterInTheEnvironmentBoxTabsOnAndInTheNetworkBoxDoesNothing)
{
    fixture.open();
    QTest::keyClick(window().CTX_Status().widget(), Qt::Key_Return);
    QTest::keyClick(window().CTX_RESEAU().widget(), Qt::Key_Return);
    EXPECT_EQ(fixture.keys.sent, QStringList({"{TAB}"}));
}

TEST_P(DataPathWindow, F10SavesFromAnyControl)
{
    fixture.open();
    chooseRow(3);
    window().CTX_Status().setText(QStringLiteral("R"));
    window().CTX_RESEAU().setText(QStringLiteral("L"));
    window().DBG_APPLI().setFocus();
    QTest::keyClick(window().DBG_APPLI().widget(), Qt::Key_F10);
    EXPECT_EQ(stored(3).status, QStringLiteral("R"));
    EXPECT_EQ(stored(3).network, QStringLiteral("L"));
}

TEST_P(DataPathWindow, QuitGivesUpUnsavedChangesAndTheNextOpeningStartsAfresh)
{
    fixture.open();
    window().CTX_Status().setText(QStringLiteral("M"));
    window().DBC_PathServeur().setText(QStringLiteral("/ailleurs/"));
    window().CmdClose().click();
    EXPECT_FALSE(fixture.fparsys->form().isLoaded());

    fixture.etat.DB_Path->execute(QStringLiteral("UPDATE TPATH SET TPATH_PATH = ? WHERE TPATH_NUM = 1"),
                                  {QStringLiteral("/nouveau/")});
    fixture.addHistory(QStringLiteral("/srv/memo/"));
    fixture.open();
    EXPECT_EQ(stored(1).status, QStringLiteral("R"));
    EXPECT_EQ(window().CTX_Status().text(), QStringLiteral("R"));
    EXPECT_EQ(window().CTX_PathServeur().text(), QStringLiteral("/nouveau/"));
    EXPECT_EQ(window().DBC_PathServeur().text(), QStringLiteral("/nouveau/"));
    EXPECT_EQ(window().DBC_PathServeur().list(0), QStringLiteral("/srv/memo/"));
}

INSTANTIATE_TEST_SUITE_P(Tables, DataPathWindow, testing::Values(false, true),
                         [](const auto &param) { return param.param ? "Bare" : "Schema"; });

} // namespace
