#include "launcher/settings/FPERSO.h"

#include "launcher/settings/PersoColours.h"
#include "tests/support/fixtures/SmallFileSystem.h"
#include "tests/support/fixtures/TempFolder.h"
#include "ui/ColourDialog.h"
#include "ui/Label.h"
#include "ui/testing/ScriptedDialogs.h"

#include <QDir>
#include <QFile>
#include <deque>
#include <gtest/gtest.h>

namespace
{

using ui::Answer;

const QString restart =
    QStringLiteral("Vous devrez redémarrer TORBPROD pour prendre en compte les modifications ...");

class NoKeys : public platform::KeySender
{
public:
    void send(const QString &) override {}
};

// Answers the colour choices in turn (nullopt: cancelled) and records the colour each started from.
class ScriptedColours : public ui::ColourDialog
{
public:
    ScriptedColours() : m_previous(ui::installColourDialog(this)) {}
    ~ScriptedColours() override
    {
        ui::installColourDialog(m_previous);
        EXPECT_TRUE(answers.empty()) << "colour choices expected but never shown";
    }

    std::optional<ui::ColourNumber> choose(ui::ColourNumber colour) override
    {
        startedFrom.push_back(colour);
        if (answers.empty()) {
            ADD_FAILURE() << "unexpected colour choice";
            return std::nullopt;
        }
        const std::optional<ui::ColourNumber> answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::deque<std::optional<ui::ColourNumber>> answers;
    std::vector<ui::ColourNumber> startedFrom;

private:
    ui::ColourDialog *m_previous;
};

// A main menu with what the preview touches: 3-D buttons, one of them the tools button, and a label.
class MenuStandIn : public ui::Form
{
public:
    MenuStandIn() : ui::Form(QStringLiteral("MENUPROD"))
    {
        setBackColour(14187366);
        for (const QString &caption : {QStringLiteral("Devis"), QStringLiteral("Outils"),
                                       QStringLiteral("OUTILS"), QStringLiteral("Tools")})
            add<ui::ThreeDButton>({QStringLiteral("B") + caption, {}, caption}).setForeColour(0);
        add<ui::Label>({QStringLiteral("CTL_Version"), {}, QStringLiteral("Version")}).setForeColour(0);
    }
};

constexpr ui::ColourNumber buttonFace = ui::ButtonFace;

class PersoWindow : public ::testing::Test
{
protected:
    PersoWindow()
    {
        QDir().mkpath(data);
        state.Rep_Donnees = data;
        state.Coul_FondMenu_Def = qint32(14187366);
        state.Coul_FondBtn_Def = qint32(buttonFace);
        state.Coul_TexteBtn_Def = qint32(0);
        state.Coul_FondMenu = QStringLiteral("255"); // as read from menuconfig.ini
        state.Coul_FondBtn = qint32(65280);
        state.Coul_TexteBtn = qint32(16711680);
        menu.load();
    }
    ~PersoWindow() override
    {
        window.form().discard();
        menu.discard();
        EXPECT_TRUE(dialogs.expectationsMet());
    }

    void writeIni(const QByteArray &bytes) const
    {
        QFile file(data + QStringLiteral("torbprod.ini"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray read(const QString &name) const
    {
        QFile file(data + name);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    settings::PersoForm &form() { return window.form(); }
    void click(const QString &button) { form().button(button).click(); }
    settings::PersoColours shown() { return settings::shownColours(form()); }
    std::vector<ui::ColourNumber> menuColours() const
    {
        std::vector<ui::ColourNumber> painted{menu.backColour()};
        for (ui::Control *control : menu.controls())
            painted.insert(painted.end(), {control->backColour(), control->foreColour()});
        return painted;
    }

    testing_support::TempFolder folder;
    const QString data = folder.file(QStringLiteral("SOC1")) + u'/';
    services::SharedState state;
    services::Traduction traduction{state};
    NoKeys keys;
    MenuStandIn menu;
    ui::testing::ScriptedDialogs dialogs;
    ScriptedColours colours;
    settings::FPERSO window{settings::SettingsContext{state, traduction, keys, menu}};
};

TEST_F(PersoWindow, OpensOnTheCurrentColoursAndTheLockedIniTextThenAppliesALanguage)
{
    writeIni("LANGUE = 1\r\nVOSKERAND= a b\r\n\r\n");
    form().show();

    EXPECT_EQ(form().caption(), QStringLiteral("Paramètre de personalisation"));
    EXPECT_TRUE((shown() == settings::PersoColours{255, 65280, 16711680}));
    EXPECT_EQ(form().iniText().text(), QStringLiteral("LANGUE = 1\r\nVOSKERAND= a b\r\n"));
    EXPECT_TRUE(form().iniText().locked());
    EXPECT_FALSE(form().language(0).value() || form().language(1).value());

    form().language(1).setValue(true);
    dialogs.expectMessage(Answer::Ok, restart);
    click(QStringLiteral("CMD_MajLangue"));

    EXPECT_EQ(read(QStringLiteral("torbprod.ini")), "VOSKERAND=ab\r\nLANGUE=2\r\n");
    EXPECT_EQ(form().iniText().text(), QStringLiteral("VOSKERAND=ab\r\nLANGUE=2"));
    EXPECT_TRUE(form().iniText().locked());
}

TEST_F(PersoWindow, WithoutAFileTheLanguageIsWrittenDirectlyAndAReopenedWindowStartsAfresh)
{
    form().show();
    EXPECT_EQ(form().iniText().text(), QString());
    form().language(0).setValue(true);
    click(QStringLiteral("CMD_MajLangue")); // no message
    EXPECT_EQ(read(QStringLiteral("torbprod.ini")), "LANGUE=1\r\n\r\n");
    EXPECT_EQ(form().iniText().text(), QString());

    click(QStringLiteral("CMD_MajIni"));
    click(QStringLiteral("Cmd_Fermer"));
    EXPECT_FALSE(form().isLoaded());
    form().show();

    EXPECT_EQ(form().iniText().text(), QStringLiteral("LANGUE=1\r\n"));
    EXPECT_TRUE(form().iniText().locked());
    EXPECT_FALSE(form().language(0).value() || form().language(1).value());
    form().language(1).setValue(true);
    dialogs.expectMessage(Answer::Ok, restart);
    click(QStringLiteral("CMD_MajLangue"));
    EXPECT_EQ(read(QStringLiteral("torbprod.ini")), "LANGUE=2\r\n");
}

TEST_F(PersoWindow, NoLanguageChosenRemovesTheLanguageLine)
{
    writeIni("A=1\r\nLANGUE=2\r\n\r\n");
    form().show();
    dialogs.expectMessage(Answer::Ok, restart);
    click(QStringLiteral("CMD_MajLangue"));
    EXPECT_EQ(read(QStringLiteral("torbprod.ini")), "A=1\r\n\r\n\r\n");
}

TEST_F(PersoWindow, ColourChoicesGoToTheirTargetsAndACancelKeepsTheColour)
{
    form().show();
    colours.answers = {ui::rgb(1, 2, 3), std::nullopt, ui::rgb(7, 8, 9)};
    click(QStringLiteral("CMD_Fond"));
    click(QStringLiteral("CMD_FondBtn"));
    click(QStringLiteral("CMD_TexteBtn"));

    EXPECT_EQ(colours.startedFrom, (std::vector<ui::ColourNumber>{255, 65280, 16711680}));
    EXPECT_TRUE((shown() == settings::PersoColours{ui::rgb(1, 2, 3), 65280, ui::rgb(7, 8, 9)}));

    click(QStringLiteral("CMD_DEFAUT"));
    EXPECT_TRUE((shown() == settings::PersoColours{14187366, buttonFace, 0}));
}

TEST_F(PersoWindow, PreviewPaintsTheMenuButTheToolsButtonsTextAndSavesNothing)
{
    form().show();
    click(QStringLiteral("CMD_Resultat"));
    click(QStringLiteral("Cmd_Fermer"));

    // Devis, Outils, OUTILS, Tools, then the label that the preview leaves alone.
    const int blue = 16711680;
    EXPECT_EQ(menuColours(), (std::vector<ui::ColourNumber>{255, 65280, blue, 65280, 0, 65280, 0, 65280, blue,
                                                            buttonFace, 0}));
    EXPECT_EQ(read(QStringLiteral("menuconfig.ini")), "<missing>");
    EXPECT_EQ(std::get<QString>(state.Coul_FondMenu), QStringLiteral("255"));
}

TEST_F(PersoWindow, SavingTheColoursWritesMenuConfigPaintsTheMenuAndCloses)
{
    form().show();
    click(QStringLiteral("CMD_DEFAUT"));
    click(QStringLiteral("CMD_Enreg"));

    EXPECT_EQ(read(QStringLiteral("menuconfig.ini")), "[PERSONALISATION]\r\nFRM_BACKCOLOR=14187366\r\nBTN_"
                                                      "BACKCOLOR=-2147483633\r\nBTN_FORECOLOR=0\r\n\r\n");
    EXPECT_EQ(menu.backColour(), 14187366);
    EXPECT_FALSE(form().isLoaded());
    EXPECT_EQ(std::get<qint32>(state.Coul_FondBtn), 65280);
}

TEST_F(PersoWindow, SavingTheIniTextResetsThePreviewAndLocksTheBox)
{
    writeIni("A=1\r\n");
    form().show();
    colours.answers = {ui::rgb(1, 2, 3)};
    click(QStringLiteral("CMD_Fond"));
    click(QStringLiteral("CMD_MajIni"));
    EXPECT_FALSE(form().iniText().locked());
    form().iniText().setText(QStringLiteral("A=2\r\nB=3"));

    dialogs.expectMessage(Answer::Ok, restart);
    click(QStringLiteral("CMD_ModifIni"));

    EXPECT_EQ(read(QStringLiteral("torbprod.ini")), "A=2\r\nB=3\r\n");
    EXPECT_EQ(form().backColour(), 255);
    EXPECT_TRUE(form().iniText().locked());
}

// A data folder that cannot be written: each failed write is reported, never followed by the
// restart message, and the window keeps what the user had chosen.
TEST_F(PersoWindow, FailedWritesAreReportedAndTheWindowStays)
{
    state.Rep_Donnees = folder.file(QStringLiteral("GONE")) + u'/';
    form().show();
    click(QStringLiteral("CMD_MajIni"));
    form().iniText().setText(QStringLiteral("A=1"));

    dialogs.expectMessage(Answer::Ok);
    click(QStringLiteral("CMD_ModifIni"));
    EXPECT_FALSE(form().iniText().locked());
    EXPECT_EQ(form().iniText().text(), QStringLiteral("A=1"));

    const std::vector<ui::ColourNumber> before = menuColours();
    dialogs.expectMessage(Answer::Ok);
    click(QStringLiteral("CMD_Enreg"));
    EXPECT_TRUE(form().isLoaded());
    EXPECT_EQ(menuColours(), before);

    form().iniText().setText({});
    form().language(0).setValue(true);
    dialogs.expectMessage(Answer::Ok);
    click(QStringLiteral("CMD_MajLangue"));

    for (const auto &box : dialogs.shown())
        EXPECT_NE(box.text, restart);
}

// The data folder on a real small file system, full and then read-only: every write of the window
// fails, says why and which file, leaves the old files byte for byte and nothing beside them, and
// neither shows the restart message nor closes the window as if saved.
TEST_F(PersoWindow, AFullOrReadOnlyDiskKeepsTheOldFilesAndSaysWhy)
{
    testing_support::SmallFileSystem disk;
    if (!disk.mounted())
        GTEST_SKIP() << disk.skipReason().toStdString();
    const QString soc1 = disk.file(QStringLiteral("SOC1/"));
    QDir().mkpath(soc1);
    const QByteArray ini = "NOM=Soci\xe9t\xe9\r\nLANGUE=1\r\n\r\n";
    const QByteArray menuConfig = "[PERSONALISATION]\r\nFRM_BACKCOLOR=1\r\n";
    for (const auto &[name, bytes] : {std::pair{QStringLiteral("torbprod.ini"), ini},
                                      std::pair{QStringLiteral("menuconfig.ini"), menuConfig}}) {
        QFile file(soc1 + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    state.Rep_Donnees = soc1;
    form().show();
    EXPECT_EQ(form().iniText().text(), QStringLiteral("NOM=Société\r\nLANGUE=1\r\n"));

    const auto failsWith = [&](const QString &button, const QString &file, const QString &cause) {
        SCOPED_TRACE((button + u' ' + cause).toStdString());
        dialogs.expectMessage(Answer::Ok);
        click(button);
        ASSERT_FALSE(dialogs.shown().empty());
        const QString text = dialogs.shown().back().text;
        EXPECT_TRUE(
            text.startsWith(QStringLiteral("Impossible d'enregistrer ") + soc1 + file + " : " + cause))
            << text.toStdString();
        EXPECT_TRUE(form().isLoaded());
        EXPECT_EQ(QDir(soc1).entryList(QDir::Files | QDir::Hidden),
                  QStringList({QStringLiteral("menuconfig.ini"), QStringLiteral("torbprod.ini")}));
        QFile kept(soc1 + QStringLiteral("torbprod.ini"));
        EXPECT_TRUE(kept.open(QIODevice::ReadOnly) && kept.readAll() == ini);
        QFile keptColours(soc1 + QStringLiteral("menuconfig.ini"));
        EXPECT_TRUE(keptColours.open(QIODevice::ReadOnly) && keptColours.readAll() == menuConfig);
    };
    const auto everyWriteFails = [&](const QString &cause) {
        form().iniText().setText(QStringLiteral("NOM=Société\r\nA=2"));
        failsWith(QStringLiteral("CMD_ModifIni"), QStringLiteral("torbprod.ini"), cause);
        form().language(1).setValue(true);
        failsWith(QStringLiteral("CMD_MajLangue"), QStringLiteral("torbprod.ini"), cause);
        form().iniText().setText({});
        failsWith(QStringLiteral("CMD_MajLangue"), QStringLiteral("torbprod.ini"), cause);
        failsWith(QStringLiteral("CMD_Enreg"), QStringLiteral("menuconfig.ini"), cause);
    };

    disk.fill();
    everyWriteFails(QStringLiteral("disque plein"));
    disk.makeReadOnly();
    everyWriteFails(QStringLiteral("système de fichiers en lecture seule"));

    for (const auto &box : dialogs.shown())
        EXPECT_NE(box.text, restart);
}

TEST_F(PersoWindow, CurrentColourTextsAreReadAsNumbers)
{
    state.Coul_FondMenu = QStringLiteral(" 255.0 ");
    state.Coul_FondBtn = QStringLiteral("1E3");
    state.Coul_TexteBtn = QStringLiteral("&HFF00");
    form().show();
    EXPECT_TRUE((shown() == settings::PersoColours{255, 1000, 65280}));
}

TEST_F(PersoWindow, ACurrentColourThatIsNoColourIsReportedAndTheTextStillLoads)
{
    state.Coul_FondMenu = QStringLiteral("bleu");
    writeIni("A=1\r\n");
    dialogs.expectMessage(Answer::Ok);
    form().show();
    EXPECT_TRUE(form().isLoaded());
    EXPECT_EQ(form().iniText().text(), QStringLiteral("A=1"));
}

} // namespace
