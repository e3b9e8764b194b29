#include "platform/Failure.h"
#include "tests/support/fixtures/TempFolder.h"
#include "ui/DataCombo.h"
#include "ui/DataSource.h"
#include "ui/DriveList.h"
#include "ui/FileList.h"
#include "ui/FolderList.h"
#include "ui/Form.h"
#include "ui/tests/QtPrinters.h"
#include "ui/tests/WordTable.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using platform::PathSyntax;

namespace
{

class PathLists : public ::testing::Test
{
protected:
    PathLists()
    {
        for (const char *sub : {"Bases/zeta", "Bases/Alpha", "Bases/.cache"})
            QDir().mkpath(folder.file(sub));
        for (const char *file : {"Bases/TORBSTOC.MDB", "Bases/bdtrad.mdb", "Bases/notes.txt", "Bases/.x.mdb"})
            QFile(folder.file(file)).open(QIODevice::WriteOnly);
        folders.onChange = [this] { events << "change " + folders.path(); };
        files.onClick = [this] { events << "click " + files.fileName(); };
    }
    ~PathLists() override { form.discard(); }

    testing_support::TempFolder folder;
    ui::Form form{"FListes"};
    ui::FolderList &folders = form.add<ui::FolderList>({"Dir1", {0, 0, 3000, 2000}});
    ui::FileList &files = form.add<ui::FileList>({"File1", {0, 2000, 3000, 2000}});
    QStringList events;
};

TEST_F(PathLists, TheFolderListResolvesCaseAndShowsTheChainThenTheVisibleSubFolders)
{
    folders.setPath(folder.file("BASES/"));
    const QString bases = folder.file("Bases");
    EXPECT_EQ(folders.path(), bases);
    EXPECT_EQ(folders.list(0), QStringLiteral("/"));
    const int own = folders.listCount() - 3;
    EXPECT_EQ(QStringList({folders.list(own), folders.list(own + 1), folders.list(own + 2)}),
              QStringList({bases, bases + "/Alpha", bases + "/zeta"}));
    folders.setPath(bases); // the same folder: no change
    EXPECT_EQ(events, QStringList({"change " + bases}));

    EXPECT_THROW(folders.setPath(folder.file("Absent")), platform::Failure);
    EXPECT_THROW(folders.setPath(folder.file("Bases/notes.txt")), platform::Failure);
    EXPECT_EQ(folders.path(), bases);
}

TEST_F(PathLists, TheFileListFiltersIgnoringCaseAndOnlyAChoiceByIndexRaisesClick)
{
    files.setPath(folder.file("bases"));
    files.setPattern("*.MDB");
    EXPECT_EQ(QStringList({files.list(0), files.list(1), files.list(2)}),
              QStringList({"bdtrad.mdb", "TORBSTOC.MDB", ""}));
    files.setFileName("torbstoc.mdb");
    EXPECT_EQ(files.fileName(), QStringLiteral("TORBSTOC.MDB"));
    files.setPattern("TORBSTOC.MDB");
    EXPECT_EQ(files.listCount(), 1);
    EXPECT_EQ(files.fileName(), QString());
    EXPECT_TRUE(events.isEmpty());
    files.setListIndex(0);
    EXPECT_EQ(events, QStringList({"click TORBSTOC.MDB"}));
    EXPECT_THROW(files.setPath(folder.file("Absent")), platform::Failure);
    EXPECT_EQ(files.path(), folder.file("Bases"));
}

TEST(DriveNames, ADriveIsALetterAndColonOnWindowsAndTheRootOnLinux)
{
    struct Case {
        PathSyntax syntax;
        QString text;
        QString drive;
    };
    const Case cases[] = {
        {PathSyntax::windows(), "C:\\Data\\", "c:"},
        {PathSyntax::windows(), "f:", "f:"},
        {PathSyntax::windows(), "\\\\serveur\\partage", ""},
        {PathSyntax::posix(), "/home/torb/", "/"},
        {PathSyntax::posix(), "/h", "/"},
        {PathSyntax::posix(), "C:", ""},
    };
    for (const Case &c : cases)
        EXPECT_EQ(ui::driveNamed(c.text, c.syntax), c.drive) << c.text.toStdString();
}

TEST(DataCombos, TheListFollowsItsDataSourceAndTheTypedTextStays)
{
    ui_testing_tables::WordTable words;
    ui::DataSource source;
    source.setDatabase(words.database());
    source.setRecordSource("SELECT * FROM WORDS WHERE W_NUM <= 2 ORDER BY W_NUM DESC");
    source.refresh();

    ui::Form form{"FCombo"};
    auto &combo = form.add<ui::DataCombo>({"DBC", {0, 0, 3000, 315}});
    QStringList clicks;
    combo.onClick = [&] { clicks << combo.text(); };
    combo.setText("saisi");
    combo.setRowSource(&source, "w_text");
    EXPECT_EQ(QStringList({combo.list(0), combo.list(1), combo.list(2)}),
              QStringList({"Poire", "pomme", ""}));
    EXPECT_EQ(combo.text(), QStringLiteral("saisi"));

    source.setRecordSource("SELECT * FROM WORDS ORDER BY W_NUM DESC");
    source.refresh();
    EXPECT_EQ(combo.list(0), QStringLiteral("prune"));
    EXPECT_TRUE(clicks.isEmpty());
    combo.choose(3);
    EXPECT_EQ(clicks, QStringList({"pomme"}));
    combo.setRowSource(nullptr, {});
    EXPECT_EQ(combo.listCount(), 0);
}

} // namespace
