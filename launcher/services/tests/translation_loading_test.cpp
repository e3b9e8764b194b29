#include "launcher/services/LauncherEnd.h"
#include "launcher/services/Traduction.h"
#include "launcher/services/tests/support/ServicesFixture.h"
#include "platform/Failure.h"
#include "ui/testing/ScriptedDialogs.h"

#include <gtest/gtest.h>

using services::Traduction;
using services_testing::ServicesFixture;

namespace
{

const QString BaseMissing = QStringLiteral("Base de traduction non trouvée (Translation database not found)");
const QString LocalMissing = QStringLiteral("Répertoire TORBPROD incomplet (BDLOC introuvable)");

} // namespace

class TranslationLoading : public testing::Test
{
protected:
    ServicesFixture fixture;
    ui::testing::ScriptedDialogs dialogs;
    Traduction traduction{fixture.etat};
};

TEST_F(TranslationLoading, FrenchTouchesNoFile)
{
    // Both databases missing: nothing is even tested.
    traduction.Init_Traduction();
    EXPECT_FALSE(fixture.etat.DB_LOC);
    EXPECT_FALSE(fixture.etat.RS_TRAD);
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST(TranslationLoadingChecks, MissingDatabaseEndsTheLauncherAfterItsMessage)
{
    struct Case {
        bool bdtrad;
        bool bdloc;
        QString message;
    };
    const Case cases[] = {
        {false, false, BaseMissing}, {false, true, BaseMissing}, {true, false, LocalMissing}};
    for (const Case &c : cases) {
        ServicesFixture folders;
        if (c.bdtrad)
            folders.createBdtrad({});
        if (c.bdloc)
            folders.createBdloc();
        folders.etat.Num_Langue = 1;
        ui::testing::ScriptedDialogs scripted;
        scripted.expectMessage(ui::Answer::Ok, c.message);
        Traduction loading(folders.etat);
        EXPECT_THROW(loading.Init_Traduction(), services::LauncherEnd) << c.message.toStdString();
        EXPECT_FALSE(folders.etat.DB_LOC);
    }
}

TEST_F(TranslationLoading, TranslationFolderWithoutFinalSeparatorIsMissing)
{
    fixture.createBdtrad({});
    fixture.createBdloc();
    fixture.etat.Num_Langue = 1;
    fixture.etat.Chemin_BaseTrad.chop(1);
    dialogs.expectMessage(ui::Answer::Ok, BaseMissing);
    EXPECT_THROW(traduction.Init_Traduction(), services::LauncherEnd);
}

TEST_F(TranslationLoading, CopiesTheLanguageRowsThatHoldATranslation)
{
    fixture.createBdtrad(
        {{QStringLiteral("Quitter"), QStringLiteral("Exit"), QStringLiteral("Zakończ")},
         {QStringLiteral("Confirmez la sortie de TORBPROD"), QStringLiteral("Confirm exit"), {}},
         {QStringLiteral("Sans traduction"), {}, QStringLiteral("Bez")},
         {QStringLiteral("Vide"), QString(), QStringLiteral("Pusty")}});
    fixture.createBdloc();
    {
        storage::Database local = storage::Database::open(fixture.data() + QStringLiteral("/BDLOC.MDB"));
        local.execute(QStringLiteral("INSERT INTO TMP_TRAD VALUES ('Ancienne', 'Ancienne', 'Old')"));
    }
    fixture.etat.Num_Langue = 1;

    traduction.Init_Traduction();

    EXPECT_EQ(fixture.tmpTradRows(),
              (QStringList{QStringLiteral("Confirmez la sortie |Confirmez la sortie de TORBPROD|"
                                          "Confirm exit"),
                           QStringLiteral("Quitter|Quitter|Exit")}));
    EXPECT_EQ(fixture.etat.Num_Langue, 1);
    ASSERT_TRUE(fixture.etat.RS_TRAD);
    EXPECT_EQ(fixture.etat.RS_TRAD->index(), QStringLiteral("NTX_ABREGE"));
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(TranslationLoading, LanguageWithoutTranslationsEmptiesTheTableAndFallsBackToFrench)
{
    fixture.createBdtrad({{QStringLiteral("Quitter"), QStringLiteral("Exit"), QString()},
                          {QStringLiteral("Aide"), QStringLiteral("Help"), {}}});
    fixture.createBdloc();
    fixture.etat.Num_Langue = 1;
    traduction.Init_Traduction();
    fixture.etat.RS_TRAD.reset();

    fixture.etat.Num_Langue = 2;
    traduction.Init_Traduction();

    EXPECT_TRUE(fixture.tmpTradRows().isEmpty());
    EXPECT_EQ(fixture.etat.Num_Langue, 0);
    EXPECT_TRUE(fixture.etat.RS_TRAD);
}

TEST_F(TranslationLoading, UnknownLanguageColumnFailsToTheCallerWithTheTableEmptied)
{
    fixture.createBdtrad({{QStringLiteral("Quitter"), QStringLiteral("Exit"), {}}});
    fixture.createBdloc();
    fixture.etat.Num_Langue = 1;
    traduction.Init_Traduction();
    fixture.etat.RS_TRAD.reset();

    fixture.etat.Num_Langue = 3;
    EXPECT_THROW(traduction.Init_Traduction(), platform::Failure);
    EXPECT_TRUE(fixture.tmpTradRows().isEmpty());
    EXPECT_TRUE(dialogs.shown().empty());
}
