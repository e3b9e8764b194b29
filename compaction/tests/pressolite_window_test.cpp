#include "compaction/FPressolite.h"

#include "compaction/cycle/testing/CompactionFiles.h"
#include "platform/Files.h"
#include "tests/support/fixtures/TempFolder.h"
#include "tools/sample-installation/SampleDatabases.h"
#include "ui/testing/ScriptedDialogs.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMetaObject>
#include <functional>
#include <gtest/gtest.h>

using compaction::FPressolite;
using compaction::testing::makeDatabase;
using compaction::testing::makeTextFile;
using compaction::testing::readMarker;
using testing_support::TempFolder;
using ui::Answer;
using ui::MessageButtons;

namespace
{

const QString kWarning =
    "Cette opération ne peut être effectuée pendant l'utilisation des modules de TORBPROD.\r\n"
    "Il convient de faire quitter tous les utilisateurs de TORBPROD pour ce traitement ...";
const QString kQuestion = "Effectuer l'opération de compactage ?";
const QString kCompleted = "Traitement terminé...";
const QString kStopped = "Le traitement n'a pas pu être effectué ...";

// A program folder, a current directory (the data folder) and a database folder, all apart.
class PressoliteWindowTest : public ::testing::Test
{
protected:
    PressoliteWindowTest() : m_previousDirectory(platform::currentDirectory())
    {
        for (const char *folder : {"programmes", "donnees", "bases"})
            QDir(m_temp.path()).mkdir(folder);
        platform::setCurrentDirectory(data());
    }
    ~PressoliteWindowTest() override { platform::setCurrentDirectory(m_previousDirectory); }

    QString programs() const { return m_temp.file("programmes"); }
    QString data() const { return m_temp.file("donnees"); }
    QString bases() const { return m_temp.file("bases") + "/"; }

    static void makeFolderTable(const QString &folder, const std::optional<QString> &firstPath)
    {
        tools::createSampleDatabase(
            folder + "/DBPATH.MDB", qEnvironmentVariable("TORB_SOURCE_DIR") + "/schema",
            {tools::folderTableRows({{1, "TORBPROD", firstPath, {}, {}, "M", " "},
                                     {2, "MODELES", QString("/modeles/"), {}, {}, "M", " "}})});
    }

    // Shows the window (its activation runs) and starts a run with the folder typed in.
    void runIn(FPressolite &window, const QString &folder)
    {
        window.show();
        window.folderBox().setText(folder);
        window.runButton().click();
    }

    // Starts a run on the database folder with the action queued for the run's first yield.
    void runWithAtFirstYield(FPressolite &window, const std::function<void()> &atYield)
    {
        QMetaObject::invokeMethod(qApp, atYield, Qt::QueuedConnection);
        window.folderBox().setText(bases());
        window.runButton().click();
    }

    TempFolder m_temp;
    QString m_previousDirectory;
    ui::testing::ScriptedDialogs dialogs;
};

} // namespace

TEST_F(PressoliteWindowTest, WithoutFolderTableBesideTheProgramTheDesignFolderStays)
{
    makeFolderTable(data(), "/srv/bases/");
    FPressolite window(programs());
    window.show();
    EXPECT_EQ(window.folderBox().text(), "/torbmdb/");
    EXPECT_EQ(window.caption(), "Compacter/Réparer Bases de Données TORBPROD");
}

TEST_F(PressoliteWindowTest, FolderTableIsTestedBesideTheProgramAndReadInTheCurrentDirectory)
{
    makeFolderTable(programs(), "/programmes/ailleurs/");
    makeFolderTable(data(), "/srv/bases/");
    FPressolite window(programs());
    window.show();
    EXPECT_EQ(window.folderBox().text(), "/srv/bases/");
}

TEST_F(PressoliteWindowTest, NullFolderGivesAnEmptyBox)
{
    makeFolderTable(programs(), "/x/");
    makeFolderTable(data(), std::nullopt);
    FPressolite window(programs());
    window.show();
    EXPECT_EQ(window.folderBox().text(), "");
}

TEST_F(PressoliteWindowTest, UnreadableFolderTableIsReportedAndTheDesignFolderStays)
{
    makeFolderTable(programs(), "/x/");
    dialogs.expectMessage(Answer::Ok);
    FPressolite window(programs());
    window.show();
    EXPECT_EQ(window.folderBox().text(), "/torbmdb/");
}

TEST_F(PressoliteWindowTest, NoMatchingFileSaysSoInTheLabelOnly)
{
    makeTextFile(bases() + "notes.txt");
    FPressolite window(programs());
    runIn(window, bases().chopped(1));

    EXPECT_EQ(window.folderBox().text(), bases());
    EXPECT_EQ(window.statusBox().text(), "");
    EXPECT_EQ(window.messageLabel().text(), "Aucune base trouvée !!!");
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(PressoliteWindowTest, OnlyOtherDatabasesSkipTheQuestionAndComplete)
{
    makeDatabase(bases() + "BDTRAD.MDB", "trad");
    dialogs.expectMessage(Answer::Ok, kWarning);
    dialogs.expectMessage(Answer::Ok, kCompleted);
    FPressolite window(programs());
    runIn(window, bases());

    EXPECT_EQ(window.statusBox().text(), "");
    EXPECT_EQ(window.messageLabel().text(), kCompleted);
    EXPECT_FALSE(QFileInfo::exists(bases() + "BDTRAD.BAKMDB"));
}

TEST_F(PressoliteWindowTest, CancelKeepsTheListAndChangesNothing)
{
    makeDatabase(bases() + "torbstoc.mdb", "stock");
    makeDatabase(bases() + "TORBCOM.MDB", "commandes");
    makeDatabase(bases() + "BDTRAD.MDB", "trad");
    dialogs.expectMessage(Answer::Ok, kWarning);
    dialogs.expectMessage(Answer::Cancel, kQuestion);
    FPressolite window(programs());
    runIn(window, bases());

    EXPECT_EQ(dialogs.shown().at(1).buttons, MessageButtons::OkCancel);
    EXPECT_EQ(window.statusBox().text(), "Bases trouvées: \r\nTORBCOM.MDB\r\nTORBSTOC.MDB\r\n");
    EXPECT_EQ(window.messageLabel().text(), "");
    EXPECT_EQ(QDir(bases()).entryList(QDir::Files),
              QStringList({"BDTRAD.MDB", "TORBCOM.MDB", "torbstoc.mdb"}));
}

TEST_F(PressoliteWindowTest, FailureIsBoxedThenTheRunStops)
{
    makeDatabase(bases() + "TORBAPRO.MDB", "achats");
    makeTextFile(bases() + "TORBCOM.MDB");
    makeDatabase(bases() + "TORBSTOC.MDB", "stock");
    dialogs.expectMessage(Answer::Ok, kWarning);
    dialogs.expectMessage(Answer::Ok, kQuestion);
    dialogs.expectMessage(Answer::Ok);
    dialogs.expectMessage(Answer::Ok, kStopped);
    FPressolite window(programs());
    runIn(window, bases());

    EXPECT_TRUE(dialogs.shown().at(2).text.startsWith("Base <" + bases() + "TORBCOM.MDB> : \r\n"));
    EXPECT_GT(dialogs.shown().at(2).text.size(), QString("Base <" + bases() + "TORBCOM.MDB> : \r\n").size());
    EXPECT_EQ(window.statusBox().text(), "Base <" + bases() + "TORBCOM.MDB> : traitement impossible...\r\n" +
                                             bases() + "TORBAPRO.MDB compactée\r\n");
    EXPECT_EQ(window.messageLabel().text(), kStopped);
    EXPECT_FALSE(QFileInfo::exists(bases() + "TORBSTOC.BAKMDB"));
}

TEST_F(PressoliteWindowTest, TickedBoxCompactsEveryDatabaseShowingProgress)
{
    makeDatabase(bases() + "BDTRAD.MDB", "trad");
    // "ß" has no one capital letter: it stays, so the upper-cased name still names the file.
    makeDatabase(bases() + "Straße.mdb", "rue");
    makeDatabase(bases() + "torbstoc.mdb", "stock");
    dialogs.expectMessage(Answer::Ok, kWarning);
    dialogs.expectMessage(Answer::Ok, kQuestion);
    dialogs.expectMessage(Answer::Ok, kCompleted);
    FPressolite window(programs());
    window.show();
    window.allDatabasesBox().setValue(1);
    QString progress;
    runWithAtFirstYield(window, [&] { progress = window.messageLabel().text(); });

    EXPECT_EQ(progress, "Traitement: \r\n" + bases() + "BDTRAD.MDB en cours...");
    EXPECT_EQ(QDir(bases()).entryList(QDir::Files),
              QStringList({"BDTRAD.BAKMDB", "BDTRAD.MDB", "STRAßE.BAKMDB", "Straße.mdb", "TORBSTOC.BAKMDB",
                           "torbstoc.mdb"}));
    EXPECT_EQ(readMarker(bases() + "Straße.mdb"), "rue");
    EXPECT_EQ(readMarker(bases() + "torbstoc.mdb"), "stock");
    EXPECT_EQ(window.statusBox().text(), bases() + "torbstoc.mdb compactée\r\n" + bases() +
                                             "Straße.mdb compactée\r\n" + bases() +
                                             "BDTRAD.MDB compactée\r\n");
    EXPECT_EQ(window.messageLabel().text(), kCompleted);
}

TEST_F(PressoliteWindowTest, SecondClickWhileYieldingIsRefused)
{
    makeDatabase(bases() + "TORBSTOC.MDB", "stock");
    dialogs.expectMessage(Answer::Ok, kWarning);
    dialogs.expectMessage(Answer::Ok, kQuestion);
    dialogs.expectMessage(Answer::Ok, kCompleted);
    FPressolite window(programs());
    window.show();
    runWithAtFirstYield(window, [&] { window.runButton().click(); });

    EXPECT_EQ(dialogs.shown().size(), 3u);
    EXPECT_EQ(window.statusBox().text(), bases() + "TORBSTOC.MDB compactée\r\n");
}

TEST_F(PressoliteWindowTest, QuitterWhileYieldingEndsBeforeTheNextCompaction)
{
    makeDatabase(bases() + "TORBSTOC.MDB", "stock");
    const qint64 before = QFileInfo(bases() + "TORBSTOC.MDB").size();
    dialogs.expectMessage(Answer::Ok, kWarning);
    dialogs.expectMessage(Answer::Ok, kQuestion);
    FPressolite window(programs());
    window.show();
    runWithAtFirstYield(window, [&] { window.quitButton().click(); });

    EXPECT_FALSE(window.isLoaded());
    EXPECT_EQ(QDir(bases()).entryList(QDir::Files), QStringList({"TORBSTOC.MDB"}));
    EXPECT_EQ(QFileInfo(bases() + "TORBSTOC.MDB").size(), before);
}
