#include "platform/CaseResolution.h"

#include "support/TemporaryFolder.h"

#include <QFile>
#include <gtest/gtest.h>
#include <unistd.h>

using platform::resolveCase;
using platform::resolveProgram;
using platform::testing::TemporaryFolder;

TEST(CaseResolution, ResolvesExistingComponentsIgnoringCase)
{
    TemporaryFolder root;
    for (const char *name : {"Gestion/Soc1/dbpath.mdb", "Modèles/été.dot", "torbmdb/", "lupardo.exe",
                             "Lupardo.exe", "LUPARDO.EXE"}) {
        const QString relative = QString::fromUtf8(name);
        if (relative.endsWith(QLatin1Char('/')))
            root.makeFolder(relative);
        else
            root.write(relative);
    }
    struct Case {
        const char *asked;
        const char *resolved;
    };
    const Case cases[] = {
        {"GESTION/SOC1/DBPATH.MDB", "Gestion/Soc1/dbpath.mdb"},
        {"gestion/soc1/", "Gestion/Soc1/"},
        {"MODÈLES/ÉTÉ.DOT", "Modèles/été.dot"},
        // An exact match first, else the first in byte order: "LUPARDO.EXE" < "Lupardo.exe" < "lupardo.exe".
        {"Lupardo.exe", "Lupardo.exe"},
        {"lupardo.EXE", "LUPARDO.EXE"},
        // From the first missing component on, the case given stays.
        {"TORBMDB/TORBSTOC_NEW.MDB", "torbmdb/TORBSTOC_NEW.MDB"},
        {"TORBMDB/New/Sub/File", "torbmdb/New/Sub/File"},
        {"GESTION/Soc2/DBPATH.MDB", "Gestion/Soc2/DBPATH.MDB"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.asked);
        EXPECT_EQ(resolveCase(root.path(QString::fromUtf8(c.asked))),
                  root.path(QString::fromUtf8(c.resolved)));
    }
}

TEST(CaseResolution, RelativePathsStayRelativeAndKeepDotsAndDoubleSeparators)
{
    TemporaryFolder root;
    root.write(QStringLiteral("Data/Torbstoc/file.txt"));
    ASSERT_EQ(::chdir(QFile::encodeName(root.path(QStringLiteral("Data"))).constData()), 0);
    EXPECT_EQ(resolveCase(QStringLiteral("TORBSTOC/FILE.TXT")), QStringLiteral("Torbstoc/file.txt"));
    EXPECT_EQ(resolveCase(QStringLiteral("./torbstoc/../TORBSTOC//FILE.TXT")),
              QStringLiteral("./Torbstoc/../Torbstoc//file.txt"));
    EXPECT_EQ(resolveCase(QStringLiteral("../DATA/TORBSTOC")), QStringLiteral("../Data/Torbstoc"));
}

TEST(CaseResolution, ProgramEndingInExeFallsBackToTheNameWithoutIt)
{
    TemporaryFolder root;
    root.write(QStringLiteral("bin/peluvar"));
    root.write(QStringLiteral("bin/Lupardo/lupardo.exe"));
    root.makeFolder(QStringLiteral("bin/modarin"));
    struct Case {
        const char *asked;
        const char *started;
    };
    const Case cases[] = {
        {"bin/PeluVar.exe", "bin/peluvar"},
        {"bin/PELUVAR.EXE", "bin/peluvar"},
        {"bin/peluvar", "bin/peluvar"},
        {"bin/Lupardo/Lupardo.exe", "bin/Lupardo/lupardo.exe"}, // an existing ".exe" file wins
        {"bin/missing.exe", "bin/missing.exe"},                 // neither exists: the path as given
        {"bin/modarin.exe", "bin/modarin.exe"},                 // a folder is no program
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.asked);
        EXPECT_EQ(resolveProgram(root.path(QString::fromUtf8(c.asked))),
                  root.path(QString::fromUtf8(c.started)));
    }
}
