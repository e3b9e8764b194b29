#include "launcher/services/LauncherEnd.h"
#include "launcher/services/Traduction.h"
#include "launcher/services/TranslationSource.h"
#include "launcher/services/tests/support/ServicesFixture.h"
#include "platform/Failure.h"
#include "ui/testing/ScriptedDialogs.h"

#include <fcntl.h>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>

using services::Traduction;
using services_testing::ServicesFixture;

namespace
{

const QString BaseMissing = QStringLiteral("Base de traduction non trouvée (Translation database not found)");
const QString LocalMissing = QStringLiteral("Répertoire TORBPROD incomplet (BDLOC introuvable)");

} // namespace

// Run on the tables of schema/ and on tables with only their defined fields.
class TranslationLoading : public testing::TestWithParam<bool>
{
protected:
    ServicesFixture fixture{GetParam() ? testing_support::bareSchemaFolder()
                                       : testing_support::schemaFolder()};
    ui::testing::ScriptedDialogs dialogs;
    Traduction traduction{fixture.etat};
};

TEST_P(TranslationLoading, FrenchTouchesNoFile)
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

TEST_P(TranslationLoading, TranslationFolderWithoutFinalSeparatorIsMissing)
{
    fixture.createBdtrad({});
    fixture.createBdloc();
    fixture.etat.Num_Langue = 1;
    fixture.etat.Chemin_BaseTrad.chop(1);
    dialogs.expectMessage(ui::Answer::Ok, BaseMissing);
    EXPECT_THROW(traduction.Init_Traduction(), services::LauncherEnd);
}

TEST_P(TranslationLoading, CopiesTheLanguageRowsThatHoldATranslation)
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

TEST_P(TranslationLoading, LanguageWithoutTranslationsEmptiesTheTableAndFallsBackToFrench)
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

TEST_P(TranslationLoading, UnknownLanguageColumnFailsToTheCallerWithTheTableEmptied)
{
    fixture.createBdtrad({{QStringLiteral("Quitter"), QStringLiteral("Exit"), {}}});
    fixture.createBdloc();
    fixture.etat.Num_Langue = 1;
    traduction.Init_Traduction();
    fixture.etat.RS_TRAD.reset();

    fixture.etat.Num_Langue = 3;
    EXPECT_THROW(traduction.Init_Traduction(), platform::Failure);
    EXPECT_TRUE(fixture.tmpTradRows().isEmpty());
    // Nothing claims the rows.
    EXPECT_FALSE(services::recordsTranslationSource(*fixture.etat.DB_LOC) &&
                 services::recordedTranslationSource(*fixture.etat.DB_LOC));
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_P(TranslationLoading, TheLookupFindsTheCopiedRowsIgnoringCase)
{
    fixture.createBdtrad(
        {{QStringLiteral("Quitter"), QStringLiteral("Exit"), {}},
         {QStringLiteral("Confirmez la sortie de TORBPROD"), QStringLiteral("Confirm leaving TORBPROD"), {}},
         {QStringLiteral("Confirmez la sortie du module"),
          QStringLiteral("Confirm leaving the module"),
          {}}});
    fixture.createBdloc();
    fixture.etat.Num_Langue = 1;
    traduction.Init_Traduction();
    EXPECT_EQ(traduction.TRAD(QStringLiteral("  QUITTER ")), QStringLiteral("  Exit "));
    EXPECT_EQ(traduction.TRAD(QStringLiteral("confirmez la sortie du MODULE")),
              QStringLiteral("Confirm leaving the module"));
    EXPECT_EQ(traduction.TRAD(QStringLiteral("Confirmez la sortie")), QStringLiteral("Confirmez la sortie"));
    EXPECT_TRUE(dialogs.shown().empty());
}

// The key holds 20 characters whichever way they are stored: an emoji is one, as in the copy.
TEST_P(TranslationLoading, ACharacterOutsideThe16BitRangeCountsOnceInTheKey)
{
    const QString alphabet = QStringLiteral("😀ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    fixture.createBdtrad({{alphabet, QStringLiteral("Smiley alphabet"), {}},
                          {QStringLiteral("😀ABCDEFGHIJKLMNOPQRS"), QStringLiteral("Smiley key"), {}},
                          {QStringLiteral("😀court"), QStringLiteral("Smiley short"), {}}});
    fixture.createBdloc();
    fixture.etat.Num_Langue = 1;
    traduction.Init_Traduction();

    EXPECT_TRUE(fixture.tmpTradRows().contains(QStringLiteral("😀ABCDEFGHIJKLMNOPQRS|") + alphabet +
                                               QStringLiteral("|Smiley alphabet")));
    EXPECT_EQ(traduction.TRAD(alphabet), QStringLiteral("Smiley alphabet"));
    EXPECT_EQ(traduction.TRAD(QStringLiteral(" 😀abcdefghijklmnopqrstuvwxyz")),
              QStringLiteral(" Smiley alphabet"));
    EXPECT_EQ(traduction.TRAD(QStringLiteral("😀ABCDEFGHIJKLMNOPQRS")), QStringLiteral("Smiley key"));
    EXPECT_EQ(traduction.TRAD(QStringLiteral("😀court")), QStringLiteral("Smiley short"));
    EXPECT_TRUE(dialogs.shown().empty());
}

INSTANTIATE_TEST_SUITE_P(Tables, TranslationLoading, testing::Values(false, true),
                         [](const auto &param) { return param.param ? "Bare" : "Schema"; });

// The copy is skipped only while TMP_TRAD provably holds the rows of BDTRAD.MDB as it stands.
// An installation whose launcher has started once in language 1.
struct CopiedOnce {
    ServicesFixture fixture;
    ui::testing::ScriptedDialogs dialogs;

    CopiedOnce()
    {
        fixture.createBdtrad(
            {{QStringLiteral("Quitter"), QStringLiteral("Exit"), QStringLiteral("Zakończ")}});
        fixture.createBdloc();
        nextStart(1);
    }

    QString bdtrad() const { return fixture.bases() + QStringLiteral("/BDTRAD.MDB"); }
    storage::Database bdloc() const
    {
        return storage::Database::open(fixture.data() + QStringLiteral("/BDLOC.MDB"));
    }
    // A row that no copy makes: it survives only when the next start copies nothing.
    void addStrayRow()
    {
        bdloc().execute(QStringLiteral("INSERT INTO TMP_TRAD VALUES ('Egare', 'Egare', 'Stray')"));
    }
    // The next start of the launcher, with a state of its own; TMP_TRAD's rows after it.
    QStringList nextStart(qint16 language)
    {
        services::SharedState etat;
        etat.Chemin_BaseTrad = fixture.etat.Chemin_BaseTrad;
        etat.Nom_BaseTrad = fixture.etat.Nom_BaseTrad;
        etat.Num_Langue = language;
        Traduction(etat).Init_Traduction();
        EXPECT_TRUE(etat.RS_TRAD);
        return fixture.tmpTradRows();
    }
};

TEST(TranslationCopyReuse, UnchangedDatabaseIsNotCopiedAgain)
{
    CopiedOnce installation;
    storage::Database local = installation.bdloc();
    const auto recorded = services::recordedTranslationSource(local);
    ASSERT_TRUE(recorded);
    EXPECT_EQ(recorded, services::currentTranslationSource(installation.bdtrad(), 1));
    EXPECT_EQ(recorded->path, installation.bdtrad());
    installation.addStrayRow();
    EXPECT_EQ(installation.nextStart(1), (QStringList{"Egare|Egare|Stray", "Quitter|Quitter|Exit"}));
}

TEST(TranslationCopyReuse, AnyChangeOfTheSourceCopiesAgain)
{
    const auto edit = [](const QString &bdtrad, const char *translation) {
        storage::Database::open(bdtrad).execute(QStringLiteral("UPDATE TTRAD SET T_TRAD1 = ?"),
                                                {QString::fromUtf8(translation)});
    };
    // Only the change counter tells this edit: same size, same inode, modification time put back.
    const auto editUnseen = [&](const QString &bdtrad) {
        const QByteArray path = bdtrad.toLocal8Bit();
        struct stat before;
        ASSERT_EQ(::stat(path.constData(), &before), 0);
        edit(bdtrad, "Quit");
        const timespec times[2] = {before.st_atim, before.st_mtim};
        ASSERT_EQ(::utimensat(AT_FDCWD, path.constData(), times, 0), 0);
    };
    struct Case {
        const char *what;
        std::function<void(CopiedOnce &)> change;
        qint16 language;
        QStringList rows;
    };
    const Case cases[] = {
        {"edited through the engine",
         [&](CopiedOnce &i) { edit(i.bdtrad(), "Sortir"); },
         1,
         {"Quitter|Quitter|Sortir"}},
        {"edited unseen but for the counter",
         [&](CopiedOnce &i) { editUnseen(i.bdtrad()); },
         1,
         {"Quitter|Quitter|Quit"}},
        {"other language", [](CopiedOnce &) {}, 2, {"Quitter|Quitter|Zakończ"}},
        {"older BDLOC without the record",
         [](CopiedOnce &i) { i.bdloc().execute(QStringLiteral("DROP TABLE TMP_TRADSOURCE")); },
         1,
         {"Quitter|Quitter|Exit"}},
    };
    for (const Case &c : cases) {
        CopiedOnce installation;
        installation.addStrayRow();
        c.change(installation);
        EXPECT_EQ(installation.nextStart(c.language), c.rows) << c.what;
        // Started again without a change: the same rows, kept or copied again.
        EXPECT_EQ(installation.nextStart(c.language), c.rows) << c.what;
    }
}
