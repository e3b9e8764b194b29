#include "launcher/settings/MemoPathHistory.h"
#include "launcher/settings/ServerFolder.h"
#include "storage/CreateDatabase.h"
#include "tests/support/fixtures/SchemaFiles.h"
#include "tests/support/fixtures/TempFolder.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using platform::PathSyntax;

namespace
{

TEST(ServerFolderRules, TheTypedFolderGetsItsFinalSeparatorAfterTrimming)
{
    struct Case {
        PathSyntax syntax;
        QString typed;
        QString applied;
    };
    const Case cases[] = {
        {PathSyntax::windows(), "F:\\SERVEUR\\BASES", "F:\\SERVEUR\\BASES\\"},
        {PathSyntax::windows(), "  F:\\Serveur  ", "F:\\Serveur\\"},
        {PathSyntax::windows(), "F:\\SERVEUR\\", "F:\\SERVEUR\\"},
        // Trimmed, it ends with the separator: the text stays as typed, blanks and all.
        {PathSyntax::windows(), " F:\\SERVEUR\\ ", " F:\\SERVEUR\\ "},
        {PathSyntax::windows(), "", "\\"},
        {PathSyntax::posix(), "/srv/bases", "/srv/bases/"},
        {PathSyntax::posix(), "/srv/bases/", "/srv/bases/"},
        {PathSyntax::posix(), "  ", "/"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(settings::serverFolderToApply(c.typed, c.syntax), c.applied) << c.typed.toStdString();
}

TEST(ServerFolderRules, TheWalkStopsAtAnEmptyNumberAndMovesTheRowsFoundThere)
{
    const QStringList inFolder{"TORBSTOC.MDB", ""};
    const auto found = [&inFolder](const QString &name) { return inFolder.contains(name); };
    const QList<settings::ProductRow> rows{
        {"1", "TORBSTOC.MDB"}, {"2", ""}, {"3", "TORBCOM.MDB"}, {"", "TORBSTOC.MDB"}, {"5", "TORBSTOC.MDB"},
    };
    EXPECT_EQ(settings::rowsMovedToServerFolder(rows, found), (std::vector<int>{1, 2}));
    EXPECT_TRUE(settings::rowsMovedToServerFolder({}, found).empty());
}

TEST(ServerFolderRules, OnlyOrdinaryVisibleFilesCountFoundIgnoringCase)
{
    testing_support::TempFolder folder;
    const QString server = folder.path() + u'/';
    QDir().mkpath(folder.file("Sous"));
    QFile(folder.file(".cache")).open(QIODevice::WriteOnly);
    EXPECT_FALSE(settings::serverFileFound(server, QString()));
    QFile(folder.file("TorbStoc.mdb")).open(QIODevice::WriteOnly);
    EXPECT_TRUE(settings::serverFileFound(server, QString()));
    EXPECT_TRUE(settings::serverFileFound(server, "TORBSTOC.MDB"));
    EXPECT_FALSE(settings::serverFileFound(server, "TORBCOM.MDB"));
    EXPECT_FALSE(settings::serverFileFound(folder.file("Absent/"), QString()));
}

TEST(ServerFolderHistory, AFolderIsAddedOnceWhateverItsLetterCase)
{
    testing_support::TempFolder folder;
    const QString path = folder.file("BDLOC.MDB");
    storage::createDatabase(path, testing_support::schemaText("BDLOC.sql"));
    storage::Database bdloc = storage::Database::open(path);
    EXPECT_TRUE(settings::rememberServerFolder(bdloc, "main", "/srv/Bases/"));
    EXPECT_FALSE(settings::rememberServerFolder(bdloc, "main", "/SRV/BASES/"));
    EXPECT_TRUE(settings::rememberServerFolder(bdloc, "main", "/srv/autres/"));
    storage::QueryCursor rows = bdloc.openQuery(settings::kMemoPathRecordSource);
    QStringList folders;
    for (; !rows.atEnd(); rows.moveNext())
        folders << rows.value("TMP_PATHBASES").toString();
    EXPECT_EQ(folders, QStringList({"/srv/autres/", "/srv/Bases/"}));
}

} // namespace
