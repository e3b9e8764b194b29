#include "launcher/autocompact/FAUTOPressolite.h"

#include "compaction/cycle/testing/CompactionFiles.h"
#include "tests/support/fixtures/TempFolder.h"
#include "ui/testing/ScriptedDialogs.h"

#include <QApplication>
#include <QDir>
#include <QProcess>
#include <functional>
#include <gtest/gtest.h>

using autocompact::FAUTOPressolite;
using compaction::testing::makeDatabase;
using compaction::testing::makeTextFile;
using compaction::testing::readMarker;
using testing_support::TempFolder;

namespace
{

// Every test expects no box at all: the dialog double fails on any.
class AutocompactWindowTest : public ::testing::Test
{
protected:
    ~AutocompactWindowTest() override { QCoreApplication::removePostedEvents(qApp); }

    QString folder() const { return m_temp.path() + "/"; }
    QStringList files() const { return QDir(m_temp.path()).entryList(QDir::Files); }

    // Shows the window on the folder, noting the status box at each of the first yields.
    void showOn(const QString &cheminMDB, int notedYields = 0)
    {
        state.CheminMDB = cheminMDB;
        FAUTOPressolite window(state);
        std::function<void()> note = [&] {
            statusAtYields << window.statusBox().text();
            if (statusAtYields.size() < notedYields)
                QMetaObject::invokeMethod(qApp, note, Qt::QueuedConnection);
        };
        if (notedYields > 0)
            QMetaObject::invokeMethod(qApp, note, Qt::QueuedConnection);
        window.show();
        folderShown = window.folderBox().text();
        finalStatus = window.statusBox().text();
        EXPECT_FALSE(window.isLoaded());
    }

    TempFolder m_temp;
    ui::testing::ScriptedDialogs dialogs;
    services::SharedState state;
    QString folderShown;
    QString finalStatus;
    QStringList statusAtYields;
};

} // namespace

TEST_F(AutocompactWindowTest, RunShowsItsLinesNewestFirstThenOnlyTheOutcome)
{
    for (const char *name : {"TORBAPRO.MDB", "TORBCOM.MDB", "torbstoc.mdb"})
        makeDatabase(m_temp.file(name), name);
    const QString given = m_temp.path();

    showOn(given, 4);

    EXPECT_EQ(folderShown, given);
    EXPECT_EQ(state.CheminMDB, folder());
    ASSERT_EQ(statusAtYields.size(), 4);
    EXPECT_EQ(statusAtYields.at(3),
              folder() + "TORBCOM.MDB compactée\r\n" + folder() + "TORBAPRO.MDB compactée\r\n");
    EXPECT_EQ(finalStatus, "Traitement terminé...");
    EXPECT_EQ(files(), QStringList({"TORBAPRO.BAKMDB", "TORBAPRO.MDB", "TORBCOM.BAKMDB", "TORBCOM.MDB",
                                    "TORBSTOC.BAKMDB", "torbstoc.mdb"}));
    EXPECT_EQ(readMarker(folder() + "torbstoc.mdb"), "torbstoc.mdb");
}

TEST_F(AutocompactWindowTest, FailureStopsWithoutABox)
{
    makeDatabase(m_temp.file("TORBAPRO.MDB"), "achats");
    makeTextFile(m_temp.file("TORBCOM.MDB"));
    makeDatabase(m_temp.file("TORBSTOC.MDB"), "stock");

    showOn(folder());

    EXPECT_EQ(finalStatus, "Le traitement n'a pas pu être effectué ...");
    EXPECT_EQ(files(), QStringList({"TORBAPRO.BAKMDB", "TORBAPRO.MDB", "TORBCOM.MDB", "TORBSTOC.MDB"}));
}

TEST_F(AutocompactWindowTest, FolderWithoutModuleDatabases)
{
    struct Case {
        QStringList files;
        QString status;
    };
    const Case cases[] = {
        {{}, "Aucune base trouvée !!!"},
        {{"notes.txt"}, "Aucune base trouvée !!!"},
        {{"BDTRAD.MDB", "TORBCOM2.MDB"}, "Traitement terminé..."},
    };
    for (const Case &c : cases) {
        TempFolder temp;
        for (const QString &file : c.files)
            makeDatabase(temp.file(file), file);
        showOn(temp.path() + "/");
        EXPECT_EQ(finalStatus, c.status) << c.files.join(' ').toStdString();
        EXPECT_EQ(QDir(temp.path()).entryList(QDir::Files), c.files);
    }
}

TEST_F(AutocompactWindowTest, EmptyFolderVariableIsShownEmptyAndBecomesTheRoot)
{
    showOn(QString());
    EXPECT_EQ(folderShown, "");
    EXPECT_EQ(state.CheminMDB, "/");
}

TEST(AutocompactHost, ShowsTheWindowOnItsArgumentAndEnds)
{
    TempFolder temp;
    makeDatabase(temp.file("TORBPLAN.MDB"), "planning");
    QProcess host;
    host.start(AUTOCOMPACT_HOST, {temp.path()});
    ASSERT_TRUE(host.waitForFinished(60000));
    EXPECT_EQ(host.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(host.exitCode(), 0);
    EXPECT_EQ(QDir(temp.path()).entryList(QDir::Files), QStringList({"TORBPLAN.BAKMDB", "TORBPLAN.MDB"}));
}
