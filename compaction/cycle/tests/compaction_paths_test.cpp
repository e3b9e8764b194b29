#include "compaction/cycle/CompactionPaths.h"
#include "compaction/cycle/CompactionTexts.h"
#include "compaction/cycle/ModuleDatabases.h"

#include <gtest/gtest.h>

using namespace compaction;
using platform::PathSyntax;

TEST(CompactionPaths, NormaliseAppendsOneJoinerOnly)
{
    struct Case {
        QString folder;
        PathSyntax syntax;
        QString normalised;
    };
    const Case cases[] = {
        {"c:\\torbmdb", PathSyntax::windows(), "c:\\torbmdb\\"},
        {"c:\\torbmdb\\", PathSyntax::windows(), "c:\\torbmdb\\"},
        {"", PathSyntax::windows(), "\\"},
        {"c:", PathSyntax::windows(), "c:\\"},
        {"/srv/torbmdb", PathSyntax::posix(), "/srv/torbmdb/"},
        {"/srv/torbmdb/", PathSyntax::posix(), "/srv/torbmdb/"},
        {"", PathSyntax::posix(), "/"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(normaliseFolder(c.folder, c.syntax), c.normalised) << c.folder.toStdString();
}

TEST(CompactionPaths, WorkCopyAndBackupReplaceEveryMdbOfTheUpperCasedPath)
{
    struct Case {
        QString folder;
        QString found;
        QString source;
        QString workCopy;
        QString backup;
    };
    const Case cases[] = {
        {"c:\\torbmdb\\", "torbstoc.mdb", "c:\\torbmdb\\TORBSTOC.MDB", "C:\\TORBMDB\\TORBSTOC_NEW.MDB",
         "C:\\TORBMDB\\TORBSTOC.BAKMDB"},
        {"d:\\base.mdb\\", "TorbStoc.Mdb", "d:\\base.mdb\\TORBSTOC.MDB", "D:\\BASE_NEW.MDB\\TORBSTOC_NEW.MDB",
         "D:\\BASE.BAKMDB\\TORBSTOC.BAKMDB"},
        {"/srv/torbmdb/", "torbcom.mdb", "/srv/torbmdb/TORBCOM.MDB", "/SRV/TORBMDB/TORBCOM_NEW.MDB",
         "/SRV/TORBMDB/TORBCOM.BAKMDB"},
        {"/srv/", "a.mdb.mdb", "/srv/A.MDB.MDB", "/SRV/A_NEW.MDB_NEW.MDB", "/SRV/A.BAKMDB.BAKMDB"},
        {"/srv/", "dépôt.mdb", "/srv/DÉPÔT.MDB", "/SRV/DÉPÔT_NEW.MDB", "/SRV/DÉPÔT.BAKMDB"},
        {"/straße/", "ﬁl.mdb", "/straße/ﬁL.MDB", "/STRAßE/ﬁL_NEW.MDB", "/STRAßE/ﬁL.BAKMDB"},
    };
    for (const Case &c : cases) {
        const QString source = sourcePath(c.folder, c.found);
        EXPECT_EQ(source, c.source);
        EXPECT_EQ(workCopyPath(source), c.workCopy);
        EXPECT_EQ(backupPath(source), c.backup);
    }
}

TEST(ModuleDatabases, MatchTheSixNamesIgnoringCaseOnly)
{
    EXPECT_EQ(moduleDatabaseNames(), QStringList({"TORBSTOC.MDB", "TORBCOM.MDB", "TORBAPRO.MDB",
                                                  "TORBPRIX.MDB", "TORBPLAN.MDB", "TORBTECH.MDB"}));
    for (const char *name : {"torbcom.mdb", "TorbTech.Mdb", "TORBPLAN.MDB"})
        EXPECT_TRUE(isModuleDatabase(name)) << name;
    for (const char *name : {"TORBCOM2.MDB", "TORBCOM.MDB.MDB", "BDTRAD.MDB", "TORBCOM"})
        EXPECT_FALSE(isModuleDatabase(name)) << name;
}

TEST(CompactionTexts, LinesGoOnTopWithTheirLineEnd)
{
    const QString log = withLineOnTop(withLineOnTop(QString(), successLine("c:\\a\\TORBSTOC.MDB")),
                                      failureLine("c:\\a\\TORBCOM.MDB"));
    EXPECT_EQ(log, "Base <c:\\a\\TORBCOM.MDB> : traitement impossible...\r\n"
                   "c:\\a\\TORBSTOC.MDB compactée\r\n");
}
