#include "launcher/login/F_MDP.h"
#include "launcher/login/MenuRights.h"
#include "launcher/login/tests/support/ModuleDatabase.h"
#include "platform/Files.h"
#include "storage/CreateDatabase.h"
#include "tests/support/fixtures/TempFolder.h"
#include "ui/MenuEntry.h"
#include "ui/testing/ScriptedDialogs.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

using login_testing::ModuleDatabase;
using ui::Answer;

namespace
{

// A converter that hands the translations back as they are.
class SameText : public platform::CharsetConverter
{
public:
    void setSourceCharset(const QString &) override {}
    QString convert(const QString &text, const QString &) override { return text; }
};

// The form of a host module: entries M_Stock and M_Tarifs, and the button of the first.
struct HostForm {
    explicit HostForm(const QString &name) : form(name)
    {
        auto &fichier = form.addMenu(QStringLiteral("M_Fichier"), QStringLiteral("Fichier"));
        form.addMenu(QStringLiteral("M_Stock"), QStringLiteral("Stock"), &fichier);
        form.addMenu(QStringLiteral("M_Tarifs"), QStringLiteral("Tarifs"), &fichier);
        form.add<ui::ThreeDButton>({QStringLiteral("Cmd_Stock"), {0, 0, 1000, 400}, QStringLiteral("Stock")});
    }
    ui::Control &control(const QString &name) const { return *form.find(name); }

    ui::Form form;
};

const QString malforme = QStringLiteral("4 lettres majuscules pour le mot de passe !");
const QString incorrecte = QStringLiteral("Identification incorrecte");
const QString refuse = QStringLiteral("Accès refusé");

class LoginDialog : public testing::Test
{
protected:
    void SetUp() override
    {
        module.addProfil(QStringLiteral("DUPONT"), QStringLiteral("ABCD"));
        module.addProfil(QStringLiteral("O'BRIEN"), QStringLiteral("WXYZ"));
        module.addDroit(QStringLiteral("DUPONT"), QStringLiteral("M_Stock"), 0);
        module.addDroit(QStringLiteral("DUPONT"), QStringLiteral("M_Tarifs"), 1);
        module.addDroit(QStringLiteral("O'BRIEN"), QStringLiteral("M_Tarifs"), 1);
        etat.Num_Module = 1;
        etat.DB_Module[0].base = module.base;
    }

    void open()
    {
        host.form.show();
        showDialog();
    }
    // Shown and made the active window at once, as the window system would.
    void showDialog()
    {
        login.form().show();
        QApplication::setActiveWindow(login.form().window());
        ASSERT_TRUE(profil().hasFocus());
    }

    ui::TextBox &profil() { return login.form().profil(); }
    ui::TextBox &motDePasse() { return login.form().motDePasse(); }
    QString message() { return login.form().message().text(); }
    QString essai() { return login.form().essai().text(); }

    // Enter pressed in the box; its release reaches whichever box has the focus by then.
    void enter(ui::TextBox &box)
    {
        QTest::keyPress(box.widget(), Qt::Key_Return);
        QWidget *focus = QApplication::focusWidget();
        QTest::keyRelease(focus ? focus : box.widget(), Qt::Key_Return);
    }
    void tryPassword(const QString &texte)
    {
        motDePasse().setFocus();
        motDePasse().setText(texte);
        enter(motDePasse());
    }

    testing_support::TempFolder folder;
    ModuleDatabase module{folder.file(QStringLiteral("TORBSTOC.MDB"))};
    services::SharedState etat;
    services::Traduction traduction{etat, [] { return std::make_unique<SameText>(); }};
    ui::testing::ScriptedDialogs dialogs;
    HostForm host{QStringLiteral("FHOTE")};
    login::F_MDP login{etat, traduction};
};

TEST_F(LoginDialog, EnterOnAKnownProfileThenTheRightPasswordLogsInAndAppliesTheRights)
{
    open();
    enter(profil()); // empty: nothing happens
    EXPECT_TRUE(profil().hasFocus());
    EXPECT_EQ(message(), QString());

    QTest::keyClicks(profil().widget(), QStringLiteral("dupont"));
    enter(profil());
    EXPECT_EQ(profil().text(), QStringLiteral("DUPONT"));
    EXPECT_TRUE(motDePasse().hasFocus()); // the release arrived here and only kept the focus
    EXPECT_TRUE(dialogs.shown().empty());

    QTest::keyClicks(motDePasse().widget(), QStringLiteral("abcd"));
    enter(motDePasse());
    EXPECT_TRUE(etat.MDP_OK);
    EXPECT_EQ(etat.Profil_Courant, QStringLiteral("DUPONT"));
    EXPECT_FALSE(login.form().isLoaded());
    EXPECT_FALSE(host.control(QStringLiteral("M_Stock")).visible());
    EXPECT_FALSE(host.control(QStringLiteral("Cmd_Stock")).visible());
    EXPECT_EQ(host.control(QStringLiteral("M_Tarifs")).tag(), login::lectureSeule);
    EXPECT_TRUE(dialogs.shown().empty()); // success shows nothing
    EXPECT_EQ(dialogs.pointers(), (std::vector{ui::MousePointer::Hourglass, ui::MousePointer::Default}));
}

TEST_F(LoginDialog, UnknownProfileIsShownBesideTheBoxesUntilTheNextKey)
{
    open();
    QTest::keyClicks(profil().widget(), QStringLiteral("durand"));
    enter(profil());
    EXPECT_EQ(message(), QStringLiteral("Profil <DURAND> inconnu !!"));
    EXPECT_EQ(profil().text(), QStringLiteral("DURAND"));
    EXPECT_TRUE(profil().hasFocus());
    QTest::keyClick(profil().widget(), Qt::Key_Backspace);
    EXPECT_EQ(message(), QString());
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(LoginDialog, MalformedPasswordsDoNotCountAndTheThirdAttemptMayStillBeRight)
{
    open();
    profil().setText(QStringLiteral("DUPONT"));
    for (const QString &mauvais : {QStringLiteral("abc"), QStringLiteral("ab1d"), QStringLiteral("abéd")}) {
        dialogs.expectMessage(Answer::Ok, malforme);
        tryPassword(mauvais);
        EXPECT_EQ(motDePasse().text(), QString());
        EXPECT_TRUE(profil().hasFocus());
    }
    EXPECT_EQ(essai(), QString());

    dialogs.expectMessage(Answer::Ok, incorrecte);
    tryPassword(QStringLiteral("ABCE"));
    EXPECT_EQ(essai(), QStringLiteral(" 2ème essai"));
    EXPECT_TRUE(profil().hasFocus());
    dialogs.expectMessage(Answer::Ok, incorrecte);
    tryPassword(QStringLiteral("ABCE"));
    EXPECT_EQ(essai(), QStringLiteral(" 3ème essai"));
    EXPECT_TRUE(login.form().isLoaded());

    tryPassword(QStringLiteral("abcd"));
    EXPECT_TRUE(etat.MDP_OK);
    EXPECT_FALSE(login.form().isLoaded());
}

TEST_F(LoginDialog, TheThirdWrongPasswordClosesWithoutLogin)
{
    open();
    profil().setText(QStringLiteral("DUPONT"));
    for (int i = 0; i < 2; ++i) {
        dialogs.expectMessage(Answer::Ok, incorrecte);
        tryPassword(QStringLiteral("ZZZZ"));
    }
    dialogs.expectMessage(Answer::Ok, refuse);
    tryPassword(QStringLiteral("ZZZZ"));
    EXPECT_FALSE(login.form().isLoaded());
    EXPECT_FALSE(etat.MDP_OK);
    EXPECT_EQ(etat.Profil_Courant, QString());
    EXPECT_TRUE(host.control(QStringLiteral("M_Stock")).visible());
}

TEST_F(LoginDialog, AProfileReachedByMouseLogsInAsTypedAndAQuoteIsJustACharacter)
{
    open();
    motDePasse().setFocus(); // no profile yet: sent back
    EXPECT_TRUE(profil().hasFocus());

    profil().setText(QStringLiteral("o'brien"));
    tryPassword(QStringLiteral("wxyz"));
    EXPECT_TRUE(etat.MDP_OK);
    EXPECT_EQ(etat.Profil_Courant, QStringLiteral("o'brien"));
    EXPECT_EQ(host.control(QStringLiteral("M_Tarifs")).tag(), login::lectureSeule);
    EXPECT_TRUE(host.control(QStringLiteral("M_Stock")).visible());
}

TEST_F(LoginDialog, APasswordTypedBeforeTheProfileIsCheckedByTheEnterThatEndsIt)
{
    open();
    motDePasse().setText(QStringLiteral("ABCD"));
    profil().setText(QStringLiteral("dupont"));
    enter(profil());
    EXPECT_TRUE(etat.MDP_OK);
    EXPECT_EQ(etat.Profil_Courant, QStringLiteral("DUPONT"));
}

TEST_F(LoginDialog, CloseButtonLeavesTheOutputsAsTheyWere)
{
    etat.MDP_OK = true;
    etat.Profil_Courant = QStringLiteral("AVANT");
    open();
    profil().setText(QStringLiteral("DUPONT"));
    login.form().fermer().click();
    EXPECT_FALSE(login.form().isLoaded());
    EXPECT_TRUE(etat.MDP_OK);
    EXPECT_EQ(etat.Profil_Courant, QStringLiteral("AVANT"));
}

TEST_F(LoginDialog, UnreadableTablesNeverLetAnybodyIn)
{
    module.base.execute(QStringLiteral("DROP TABLE TZMN"));
    open();
    profil().setText(QStringLiteral("DUPONT"));
    tryPassword(QStringLiteral("ABCD")); // no rights table: the rights take nothing away
    EXPECT_TRUE(etat.MDP_OK);
    EXPECT_TRUE(host.control(QStringLiteral("M_Stock")).visible());

    etat.MDP_OK = false;
    etat.Num_Module = 6; // without its table TZPR2
    etat.DB_Module[2].base = module.base;
    module.base.releaseReadLocks();
    module.base.execute(QStringLiteral("DROP TABLE TZPR2"));
    showDialog();
    profil().setText(QStringLiteral("DUPONT"));
    dialogs.expectMessage(Answer::Ok, incorrecte);
    tryPassword(QStringLiteral("ABCD"));
    EXPECT_FALSE(etat.MDP_OK);
    EXPECT_TRUE(login.form().isLoaded());
}

// Module 6 and module 9 read the database of module 3.
class SharedModuleDatabase : public LoginDialog
{
protected:
    void SetUp() override
    {
        plan.addProfil(QStringLiteral("MARTIN"), QStringLiteral("AAAA"));
        plan.addProfil(QStringLiteral("MARTIN"), QStringLiteral("MMMM"), QStringLiteral("TZPR2"));
        plan.addProfil(QStringLiteral("DURAND"), QStringLiteral("DDDD"), QStringLiteral("TZPR2"));
        plan.addDroit(QStringLiteral("MARTIN"), QStringLiteral("M_Tarifs"), 0);
        plan.addDroit(QStringLiteral("MARTIN"), QStringLiteral("M_Stock"), 0, QStringLiteral("TZMN2"));
        etat.DB_Module[2].base = plan.base;
    }

    ModuleDatabase plan{folder.file(QStringLiteral("TORBPLAN.MDB"))};
};

TEST_F(SharedModuleDatabase, Module6ChecksTheProfileInTzprAndThePasswordAndRightsInTheSuffixedTables)
{
    etat.Num_Module = 6;
    open();
    profil().setText(QStringLiteral("durand"));
    enter(profil());
    EXPECT_EQ(message(), QStringLiteral("Profil <DURAND> inconnu !!"));

    profil().setText(QStringLiteral("martin"));
    enter(profil());
    EXPECT_TRUE(motDePasse().hasFocus());
    dialogs.expectMessage(Answer::Ok, incorrecte);
    tryPassword(QStringLiteral("AAAA"));
    tryPassword(QStringLiteral("MMMM"));
    EXPECT_TRUE(etat.MDP_OK);
    EXPECT_FALSE(host.control(QStringLiteral("M_Stock")).visible());
    EXPECT_TRUE(host.control(QStringLiteral("M_Tarifs")).visible());
}

TEST_F(SharedModuleDatabase, Module9TakesItsNumberFromTabModuleAndRightsGoToTheFirstForm)
{
    etat.Num_Module = 9;
    etat.Tab_Module = {6};
    HostForm second(QStringLiteral("FSECOND"));
    host.form.show();
    second.form.show();
    showDialog();
    profil().setText(QStringLiteral("MARTIN"));
    tryPassword(QStringLiteral("AAAA")); // TZPR: no suffix with module 9
    EXPECT_TRUE(etat.MDP_OK);
    EXPECT_FALSE(host.control(QStringLiteral("M_Tarifs")).visible());
    EXPECT_TRUE(second.control(QStringLiteral("M_Tarifs")).visible());
}

// The dialog's design texts and its three messages go through TRAD; the two labels it fills do not.
class TranslatedLoginDialog : public LoginDialog
{
protected:
    void SetUp() override
    {
        LoginDialog::SetUp();
        const QString bdtrad = folder.file(QStringLiteral("BDTRAD.MDB"));
        storage::createDatabase(bdtrad, login_testing::schemaText(QStringLiteral("BDTRAD.sql")));
        storage::Database trad = storage::Database::open(bdtrad);
        for (const auto &[francais, anglais] : std::initializer_list<std::pair<const char *, const char *>>{
                 {"Profil utilisateur", "User profile"},
                 {"&Fermer", "&Close"},
                 {"Fermer la fenêtre", "Close the window"},
                 {"Identification incorrecte", "Wrong login"},
                 {"2ème essai", "2nd attempt"},
                 {"Profil <DURAND> inconnu !!", "Unknown DURAND"}})
            trad.execute(QStringLiteral("INSERT INTO TTRAD (T_VALEUR, T_TRAD1) VALUES (?, ?)"),
                         {QString::fromUtf8(francais), QString::fromUtf8(anglais)});
        storage::createDatabase(folder.file(QStringLiteral("BDLOC.MDB")),
                                login_testing::schemaText(QStringLiteral("BDLOC.sql")));
        platform::setCurrentDirectory(folder.path());
        etat.Chemin_BaseTrad = folder.path() + u'/';
        etat.Nom_BaseTrad = QStringLiteral("BDTRAD.MDB");
        etat.Num_Langue = 1;
        traduction.Init_Traduction();
    }
    void TearDown() override
    {
        etat.RS_TRAD.reset();
        etat.DB_LOC.reset();
        platform::setCurrentDirectory(formerDirectory);
    }

    QString formerDirectory = platform::currentDirectory();
};

TEST_F(TranslatedLoginDialog, DesignTextsAndMessagesAreTranslatedTheFilledLabelsAreNot)
{
    open();
    EXPECT_EQ(login.form().get<ui::Label>(QStringLiteral("Label1")).text(), QStringLiteral("User profile"));
    EXPECT_EQ(login.form().fermer().text(), QStringLiteral("&Close"));
    EXPECT_EQ(login.form().fermer().toolTip(), QStringLiteral("Close the window"));

    profil().setText(QStringLiteral("durand"));
    enter(profil());
    EXPECT_EQ(message(), QStringLiteral("Profil <DURAND> inconnu !!"));

    profil().setText(QStringLiteral("DUPONT"));
    dialogs.expectMessage(Answer::Ok, QStringLiteral("Wrong login"));
    tryPassword(QStringLiteral("ZZZZ"));
    EXPECT_EQ(essai(), QStringLiteral(" 2ème essai"));
    dialogs.expectMessage(Answer::Ok, malforme); // no translation: the French text
    tryPassword(QStringLiteral("ZZ"));
}

} // namespace
