#include "launcher/services/ParamsMenu.h"
#include "launcher/services/UrlVoskerand.h"
#include "launcher/services/tests/support/ServicesFixture.h"
#include "tests/support/fixtures/SmallFileSystem.h"
#include "ui/testing/ScriptedDialogs.h"

#include <QDir>
#include <cerrno>
#include <cstring>
#include <gtest/gtest.h>

using services::Couleur;
using services_testing::ServicesFixture;

class StartupFiles : public testing::Test
{
protected:
    void SetUp() override
    {
        fixture.etat.Coul_FondMenu_Def = qint32(14187366);
        fixture.etat.Coul_FondBtn_Def = qint32(-2147483633);
        fixture.etat.Coul_TexteBtn_Def = qint32(0);
    }
    QString menuConfig() const { return fixture.data() + QStringLiteral("/menuconfig.ini"); }

    ServicesFixture fixture;
    ui::testing::ScriptedDialogs dialogs;
};

TEST_F(StartupFiles, MissingMenuConfigIsCreatedWithTheDefaults)
{
    services::Init_Params_Menu(fixture.etat);
    EXPECT_EQ(fixture.readFile(menuConfig()),
              QByteArray("[PERSONALISATION]\r\nFRM_BACKCOLOR=14187366\r\n"
                         "BTN_BACKCOLOR=-2147483633\r\nBTN_FORECOLOR=0\r\n\r\n"));
    EXPECT_EQ(fixture.etat.Coul_FondMenu, Couleur(qint32(14187366)));
    EXPECT_EQ(fixture.etat.Coul_FondBtn, Couleur(qint32(-2147483633)));
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(StartupFiles, MenuConfigColoursAreKeptAsTheTextFound)
{
    fixture.writeFile(
        fixture.data() + QStringLiteral("/MenuConfig.INI"),
        "[PERSONALISATION]\r\nfrm_backcolor = 255\r\nBTN_FORECOLOR=rouge\r\n\r\nBTN_BACKCOLOR=1\r\n");
    services::Init_Params_Menu(fixture.etat);
    EXPECT_EQ(fixture.etat.Coul_FondMenu, Couleur(QStringLiteral("255")));
    EXPECT_EQ(fixture.etat.Coul_FondBtn, Couleur(qint32(-2147483633)));
    EXPECT_EQ(fixture.etat.Coul_TexteBtn, Couleur(QStringLiteral("ROUGE")));
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(StartupFiles, MenuConfigThatCannotBeWrittenIsReportedWithStageAndPath)
{
    QDir().mkpath(menuConfig()); // a folder in the file's place: not a file, and not writable as one
    dialogs.expectMessage(ui::Answer::Ok);
    services::Init_Params_Menu(fixture.etat);
    ASSERT_EQ(dialogs.shown().size(), 1u);
    const QString text = dialogs.shown().front().text;
    EXPECT_EQ(text, QStringLiteral("Procedure Init_Params_Menu (1) : Impossible de remplacer %1 : c'est un "
                                   "dossier et non un fichier (%2)")
                        .arg(menuConfig(), QString::fromLocal8Bit(std::strerror(EISDIR))));
    EXPECT_EQ(fixture.etat.Coul_TexteBtn, Couleur(qint32(0)));
}

// On a full disk the start-up says so and goes on with the defaults; no empty file is left that
// the next start would read instead of creating it again.
TEST_F(StartupFiles, MenuConfigOnAFullDiskIsReportedAndNothingIsLeft)
{
    testing_support::SmallFileSystem disk;
    if (!disk.mounted())
        GTEST_SKIP() << disk.skipReason().toStdString();
    disk.fill();
    const QString former = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(disk.path()));
    dialogs.expectMessage(
        ui::Answer::Ok,
        QStringLiteral("Procedure Init_Params_Menu (1) : Impossible d'enregistrer %1 : disque "
                       "plein (%2)")
            .arg(disk.file(QStringLiteral("menuconfig.ini")), QString::fromLocal8Bit(std::strerror(ENOSPC))));
    services::Init_Params_Menu(fixture.etat);
    QDir::setCurrent(former);

    EXPECT_EQ(QDir(disk.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("filler")});
    EXPECT_EQ(fixture.etat.Coul_FondMenu, Couleur(qint32(14187366)));
}

TEST_F(StartupFiles, UpdateAddressComesFromTheFolderAboveTheDataFolder)
{
    fixture.writeFile(fixture.data() + QStringLiteral("/torbprod.ini"),
                      "VOSKERAND=http://donnees.example/\r\n");
    fixture.etat.URL_Web = QStringLiteral("ancienne");
    services::Init_URL_VOSKERAND(fixture.etat);
    EXPECT_EQ(fixture.etat.URL_Web, QString());

    fixture.writeFile(fixture.root() + QStringLiteral("/TORBPROD.ini"),
                      "LANGUE=1\r\n voskerand = http://maj.example/Page V95 \r\n");
    services::Init_URL_VOSKERAND(fixture.etat);
    EXPECT_EQ(fixture.etat.URL_Web, QStringLiteral("http://maj.example/PageV95"));
    EXPECT_TRUE(dialogs.shown().empty());
}
