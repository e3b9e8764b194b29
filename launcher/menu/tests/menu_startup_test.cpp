#include "launcher/menu/MenuDesign.h"
#include "launcher/menu/Menuprod.h"
#include "platform/Files.h"
#include "storage/Database.h"
#include "support/MenuDoubles.h"
#include "tests/support/fixtures/SchemaFiles.h"
#include "tests/support/fixtures/TempInstallation.h"
#include "ui/Program.h"
#include "ui/testing/ScriptedDialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace menu;
using menu::testing::CurrentDirectoryGuard;
using menu::testing::MenuDoubles;
using testing_support::TempInstallation;

namespace
{

void writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    file.write(content);
}

// The launcher started in an installation's data folder, with doubles for processes and windows.
class MenuStartUp : public ::testing::Test
{
protected:
    explicit MenuStartUp(tools::SampleOptions options = {})
        : installation(withoutPrograms(std::move(options)))
    {
    }

    // The suite's other programs are not needed: the start-up only looks for the optional tools.
    static tools::SampleOptions withoutPrograms(tools::SampleOptions options)
    {
        options.withPrograms = false;
        return options;
    }

    // Runs the start-up as the program does; gives its exit code when it ended the launcher.
    std::optional<int> start()
    {
        platform::setCurrentDirectory(installation.data());
        doubles = std::make_unique<MenuDoubles>(installation.programs());
        menuprod = std::make_unique<Menuprod>(doubles->context);
        // Once shown, the event loop gets one turn and returns.
        const int code = ui::runProgram([this] {
            menuprod->form().show();
            QMetaObject::invokeMethod(
                QCoreApplication::instance(), [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
        });
        return code == 0 ? std::nullopt : std::optional<int>(code);
    }

    services::SharedState &state() { return doubles->state; }
    MenuForm &form() { return menuprod->form(); }

    CurrentDirectoryGuard directory;
    TempInstallation installation;
    ui::testing::ScriptedDialogs dialogs;
    std::unique_ptr<MenuDoubles> doubles;
    std::unique_ptr<Menuprod> menuprod;
};

TEST_F(MenuStartUp, FrenchSampleInstallation)
{
    ASSERT_EQ(start(), std::nullopt);
    EXPECT_EQ(form().caption(), QStringLiteral("SOC1"));
    EXPECT_EQ(state().Rep_Donnees, installation.data() + QLatin1Char('/'));
    EXPECT_EQ(state().Rep_Appli, installation.programs() + QLatin1Char('/'));
    ASSERT_TRUE(state().DB_Path.has_value());
    EXPECT_EQ(state().DB_Path->path(), installation.data() + QStringLiteral("/DBPATH.MDB"));
    EXPECT_EQ(state().Chemin_BaseTrad, installation.databases() + QLatin1Char('/'));
    EXPECT_EQ(state().Nom_BaseTrad, QStringLiteral("BDTRAD.MDB"));
    EXPECT_EQ(state().Num_Langue, 0);
    EXPECT_TRUE(form().isShown());

    for (const ButtonDesign &design : menuButtons())
        EXPECT_EQ(form().button(design.name).text(), design.caption) << design.name.toStdString();
    EXPECT_EQ(form().label(QStringLiteral("CTL_Version")).text(), QStringLiteral("Version V9.5.1"));
    EXPECT_EQ(form().statusBar().panelText(1), QStringLiteral("Version V9.5.1"));
    const ui::Label &web = form().label(QStringLiteral("CTL_WEB"));
    EXPECT_EQ(web.top(), form().statusBar().top() - web.height() - 200);
    // Docked at the top right; the window's frame is only known once shown, hence the margin.
    const int frameMargin = 100;
    EXPECT_EQ(form().top(), 0);
    EXPECT_NEAR(form().left() + form().width(), ui::screenWidth(), frameMargin);
    EXPECT_NEAR(form().height(), ui::screenHeight() - 500, frameMargin);

    for (const ui::ThreeDButton *button : form().threeDButtons()) {
        EXPECT_EQ(button->foreColour(), 0);
        EXPECT_EQ(button->backColour(), buttonBackColour());
        EXPECT_EQ(button->threeDTextHighlightColor(), 12632256);
        EXPECT_EQ(button->threeDTextOffset(), 2);
    }
    EXPECT_EQ(form().backColour(), 14187366);
    EXPECT_TRUE(QFile::exists(installation.data() + QStringLiteral("/menuconfig.ini")));
    EXPECT_EQ(state().URL_Web, QStringLiteral("http://mises-a-jour.torbprod.example/updates/V95/"));
}

TEST_F(MenuStartUp, ColoursFromMenuConfigAfterTheDesignDefaults)
{
    writeFile(
        installation.data() + QStringLiteral("/menuconfig.ini"),
        "[PERSONALISATION]\r\nFRM_BACKCOLOR=255\r\nBTN_BACKCOLOR=&HFF00\r\nBTN_FORECOLOR=16711680\r\n\r\n");
    ASSERT_EQ(start(), std::nullopt);
    EXPECT_EQ(state().Coul_FondMenu_Def, services::Couleur(qint32(14187366)));
    EXPECT_EQ(state().Coul_FondBtn_Def, services::Couleur(qint32(buttonBackColour())));
    EXPECT_EQ(state().Coul_TexteBtn_Def, services::Couleur(qint32(0)));
    EXPECT_EQ(form().backColour(), 255);
    for (const ui::ThreeDButton *button : form().threeDButtons()) {
        EXPECT_EQ(button->backColour(), 0xFF00);
        EXPECT_EQ(button->foreColour(), 16711680);
    }
}

TEST_F(MenuStartUp, ColourTextsAreReadAsTheOriginalNumberConversionReadThem)
{
    writeFile(
        installation.data() + QStringLiteral("/menuconfig.ini"),
        "[PERSONALISATION]\r\nFRM_BACKCOLOR=255.0\r\nBTN_BACKCOLOR=1E3\r\nBTN_FORECOLOR= &h8000000F\r\n\r\n");
    ASSERT_EQ(start(), std::nullopt);
    EXPECT_EQ(form().backColour(), 255);
    for (const ui::ThreeDButton *button : form().threeDButtons()) {
        EXPECT_EQ(button->backColour(), 1000);
        EXPECT_EQ(button->foreColour(), ui::ButtonFace);
    }
}

TEST_F(MenuStartUp, OptionalToolsFollowTheirProgramFiles)
{
    ASSERT_EQ(start(), std::nullopt);
    for (const char *optional : {"M_DOT", "M_Excel", "M_VERSDLL"})
        EXPECT_FALSE(form().menuEntry(QString::fromUtf8(optional)).visible()) << optional;
    for (const char *always :
         {"M_DBPATH", "M_TRAD", "M_MODARIN", "M_COMPACT", "M_WEB", "M_PERSO", "M_KILLAPP"})
        EXPECT_TRUE(form().menuEntry(QString::fromUtf8(always)).visible()) << always;
    for (const char *hidden : {"M_INITORB", "M_DOWNLOAD", "M_outils"})
        EXPECT_FALSE(form().menuEntry(QString::fromUtf8(hidden)).visible()) << hidden;
    menuprod.reset();

    // Found ignoring case and without ".exe"; a folder of that name is no program.
    writeFile(installation.programs() + QStringLiteral("/modvisk"), "#!/bin/sh\n");
    writeFile(installation.programs() + QStringLiteral("/Kivrand.exe"), "#!/bin/sh\n");
    ASSERT_TRUE(QDir().mkpath(installation.programs() + QStringLiteral("/ZELBROX.EXE")));
    ASSERT_EQ(start(), std::nullopt);
    EXPECT_TRUE(form().menuEntry(QStringLiteral("M_DOT")).visible());
    EXPECT_FALSE(form().menuEntry(QStringLiteral("M_Excel")).visible());
    EXPECT_TRUE(form().menuEntry(QStringLiteral("M_VERSDLL")).visible());
}

TEST_F(MenuStartUp, LanguageLinesOfTorbprodIni)
{
    const struct {
        QByteArray ini;
        qint16 language;
    } cases[] = {
        {"LANGUE=0\r\n", 0},
        {"\r\nLANGUE=2\r\n", 0},
        {"LANGUES=2\r\nlangue =2\r\n", 2},
    };
    for (const auto &c : cases) {
        writeFile(installation.data() + QStringLiteral("/torbprod.ini"), c.ini);
        ASSERT_EQ(start(), std::nullopt) << c.ini.toStdString();
        EXPECT_EQ(state().Num_Langue, c.language) << c.ini.toStdString();
        menuprod.reset();
    }
}

tools::SampleOptions inLanguage(int language)
{
    tools::SampleOptions options;
    options.language = language;
    return options;
}

class TranslatedMenuStartUp : public MenuStartUp
{
protected:
    TranslatedMenuStartUp() : MenuStartUp(inLanguage(1)) {}
};

TEST_F(TranslatedMenuStartUp, LanguageOneTranslatesTheWindowButNotTheVersion)
{
    ASSERT_EQ(start(), std::nullopt);
    EXPECT_EQ(state().Num_Langue, 1);
    EXPECT_EQ(form().button(QStringLiteral("CMD_Prix")).text(), QStringLiteral("Quotes"));
    EXPECT_EQ(form().button(QStringLiteral("Cmd_Apro")).text(), QStringLiteral("Purchasing"));
    EXPECT_EQ(form().label(QStringLiteral("CTL_Version")).text(), QStringLiteral("Version V9.5.1"));
    EXPECT_EQ(form().statusBar().panelText(1), QStringLiteral("Version V9.5.1"));
}

// Each untrapped start-up failure: the run-time error report, then the end without a window.
TEST_F(MenuStartUp, FatalFailuresEndWithTheReportAndNoWindow)
{
    const QString data = installation.data();
    const struct {
        const char *what;
        std::function<void()> breakIt;
        std::function<void()> repair;
    } cases[] = {
        {"LANGUE not a number", [&] { writeFile(data + "/torbprod.ini", "LANGUE=deux\r\n"); },
         [&] { writeFile(data + "/torbprod.ini", ""); }},
        {"LANGUE out of 16 bits", [&] { writeFile(data + "/torbprod.ini", "LANGUE=40000\r\n"); },
         [&] { writeFile(data + "/torbprod.ini", ""); }},
        {"colour not a number",
         [&] { writeFile(data + "/menuconfig.ini", "[PERSONALISATION]\r\nFRM_BACKCOLOR=bleu\r\n\r\n"); },
         [&] { QFile::remove(data + "/menuconfig.ini"); }},
        {"colour out of 32 bits",
         [&] { writeFile(data + "/menuconfig.ini", "[PERSONALISATION]\r\nFRM_BACKCOLOR=1E10\r\n\r\n"); },
         [&] { QFile::remove(data + "/menuconfig.ini"); }},
        {"button colour not a number",
         [&] { writeFile(data + "/menuconfig.ini", "[PERSONALISATION]\r\nBTN_BACKCOLOR=vert\r\n\r\n"); },
         [&] { QFile::remove(data + "/menuconfig.ini"); }},
        {"empty TPATH",
         [&] { storage::Database::open(data + "/DBPATH.MDB").execute(QStringLiteral("DELETE FROM TPATH")); },
         [] {}},
        {"no DBPATH.MDB", [&] { QFile::remove(data + "/DBPATH.MDB"); }, [] {}},
    };
    for (const auto &c : cases) {
        c.breakIt();
        dialogs.expectMessage(ui::Answer::Ok);
        const std::optional<int> ended = start();
        EXPECT_NE(ended, std::nullopt) << c.what;
        EXPECT_FALSE(form().isShown()) << c.what;
        ASSERT_FALSE(dialogs.shown().empty());
        EXPECT_TRUE(dialogs.shown().back().text.startsWith(QStringLiteral("Erreur d'exécution"))) << c.what;
        menuprod.reset();
        c.repair();
    }
}

// What SQLite refuses reaches the report in French, naming the file and the table or field.
TEST_F(MenuStartUp, EngineFailuresAreReportedInFrench)
{
    const QString data = installation.data();
    const QString bdtrad = installation.databases() + QStringLiteral("/BDTRAD.MDB");
    const QString dbpath = data + QStringLiteral("/DBPATH.MDB");
    const auto saved = [](const QString &path) {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return file.readAll();
    };
    const QByteArray dbpathBytes = saved(dbpath);
    const QByteArray bdtradBytes = saved(bdtrad);
    const struct {
        const char *what;
        QByteArray ini;
        std::function<void()> breakIt;
        const char *report;
        QString file;
    } cases[] = {
        {"truncated DBPATH.MDB", "", [&] { writeFile(dbpath, dbpathBytes.left(4096)); },
         "Erreur d'exécution '11' :\n\nLa base ", dbpath},
        {"random bytes in BDTRAD.MDB", "LANGUE=1\r\n",
         [&] { writeFile(bdtrad, QByteArray("\x13\x8a\xf0\x42 pas une base").repeated(300)); },
         "Erreur d'exécution '3343' :\n\n'", bdtrad},
        {"language without its column", "LANGUE=3\r\n", [] {},
         "Erreur d'exécution '3265' :\n\nChamp 'T_TRAD3' introuvable dans la table 'TTRAD' de la base ",
         bdtrad},
        {"BDLOC.MDB without TMP_TRAD", "LANGUE=1\r\n",
         [&] { storage::Database::open(data + "/BDLOC.MDB").execute(QStringLiteral("DROP TABLE TMP_TRAD")); },
         "Erreur d'exécution '3078' :\n\nTable 'TMP_TRAD' introuvable dans la base ", data + "/BDLOC.MDB"},
    };
    for (const auto &c : cases) {
        writeFile(data + "/torbprod.ini", c.ini);
        c.breakIt();
        dialogs.expectMessage(ui::Answer::Ok);
        EXPECT_NE(start(), std::nullopt) << c.what;
        ASSERT_FALSE(dialogs.shown().empty());
        const QString report = dialogs.shown().back().text;
        EXPECT_TRUE(report.startsWith(QString::fromUtf8(c.report))) << report.toStdString();
        EXPECT_TRUE(report.contains(c.file)) << report.toStdString();
        menuprod.reset();
        writeFile(dbpath, dbpathBytes);
        writeFile(bdtrad, bdtradBytes);
    }
}

// The installation's databases with only the fields of their tables: no row keys, no record of
// the translation copy's source.
class BareTablesMenuStartUp : public MenuStartUp
{
protected:
    static tools::SampleOptions options()
    {
        tools::SampleOptions options = inLanguage(1);
        options.schemaFolder = testing_support::bareSchemaFolder();
        return options;
    }
    BareTablesMenuStartUp() : MenuStartUp(options()) {}
};

TEST_F(BareTablesMenuStartUp, TranslatesFromTheCopyAtEachStart)
{
    for (int run = 0; run < 2; ++run) {
        ASSERT_EQ(start(), std::nullopt);
        EXPECT_EQ(state().Chemin_BaseTrad, installation.databases() + QLatin1Char('/'));
        EXPECT_EQ(state().Num_Langue, 1);
        EXPECT_EQ(form().button(QStringLiteral("CMD_Prix")).text(), QStringLiteral("Quotes"));
        EXPECT_EQ(form().button(QStringLiteral("Cmd_Apro")).text(), QStringLiteral("Purchasing"));
        menuprod.reset();
        doubles.reset();
    }
}

class MenuStartUpWithNullTranslationFolder : public MenuStartUp
{
protected:
    static tools::SampleOptions options()
    {
        tools::SampleOptions options;
        options.folderRows = QList<storage::FolderRow>{
            {1, QStringLiteral("TORBSTOC"), std::nullopt, {}, {}, QStringLiteral("M"), QStringLiteral(" ")}};
        return options;
    }
    MenuStartUpWithNullTranslationFolder() : MenuStartUp(options()) {}
};

TEST_F(MenuStartUpWithNullTranslationFolder, EndsWithTheReport)
{
    dialogs.expectMessage(ui::Answer::Ok);
    EXPECT_NE(start(), std::nullopt);
    EXPECT_FALSE(form().isShown());
    EXPECT_TRUE(dialogs.shown().back().text.contains(QStringLiteral("Null")));
}

} // namespace
