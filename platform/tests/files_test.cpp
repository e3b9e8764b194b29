#include "platform/Failure.h"
#include "platform/FileFailure.h"
#include "platform/FileReplacement.h"
#include "platform/Files.h"
#include "platform/Processes.h"

#include "support/TemporaryFolder.h"

#include <QFile>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using platform::testing::TemporaryFolder;

namespace
{

QByteArray contents(const QString &path)
{
    QFile in(path);
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray("<missing>");
}

template <typename Operation> int failureNumber(Operation operation)
{
    try {
        operation();
    } catch (const platform::Failure &failure) {
        EXPECT_FALSE(failure.description().isEmpty());
        return failure.number();
    }
    return 0;
}

} // namespace

TEST(Wildcard, MatchesIgnoringCase)
{
    struct Case {
        const char *pattern;
        const char *name;
        bool matches;
    };
    const Case cases[] = {
        {"*.mdb", "torbstoc.mdb", true},
        {"*.mdb", "TORBSTOC.MDB", true},
        {"*.mdb", "TORBSTOC.BAKMDB", false},
        {"*.mdb", "a.mdb.old", false},
        {"*.MDB", "x_NEW.mdb", true},
        {"KIVRAND.EXE", "kivrand.exe", true},
        {"KIVRAND.EXE", "kivrand.exe2", false},
        {"?.dot", "a.dot", true},
        {"?.dot", "ab.dot", false},
        {"*", "anything", true},
        {"a*b*c", "aXbYbZc", true},
        {"a*b*c", "aXbYc.d", false},
        {"été.*", "ÉTÉ.DOT", true},
        {"\U00010400.MDB", "\U00010428.mdb", true}, // letters outside the 16-bit range
        {"?.mdb", "\U00010428.mdb", true},
        {"*\U00010400", "x\U00010428\U00010428", true},
        {"", "a", false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.pattern) + " / " + c.name);
        EXPECT_EQ(platform::wildcardMatches(QString::fromUtf8(c.pattern), QString::fromUtf8(c.name)),
                  c.matches);
    }
}

TEST(Files, FileMatchesCountsOnlyOrdinaryVisibleFiles)
{
    TemporaryFolder root;
    root.write(QStringLiteral("prog/modvisk.exe"));
    root.write(QStringLiteral("prog/.kivrand.exe"));
    root.makeFolder(QStringLiteral("prog/zelbrox.exe"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(root.path(QStringLiteral("prog/pipe.exe"))).constData(), 0600), 0);
    ASSERT_EQ(
        ::symlink("modvisk.exe", QFile::encodeName(root.path(QStringLiteral("prog/link.exe"))).constData()),
        0);

    EXPECT_EQ(platform::fileMatches(root.path(QStringLiteral("prog/MODVISK.EXE"))),
              QStringLiteral("modvisk.exe"));
    EXPECT_EQ(platform::fileMatches(root.path(QStringLiteral("PROG/MODVISK.EXE"))),
              QStringLiteral("modvisk.exe"));
    EXPECT_EQ(platform::fileMatches(root.path(QStringLiteral("prog/.KIVRAND.EXE"))), QString());
    EXPECT_EQ(platform::fileMatches(root.path(QStringLiteral("prog/ZELBROX.EXE"))), QString());
    EXPECT_EQ(platform::fileMatches(root.path(QStringLiteral("prog/pipe.exe"))), QString());
    EXPECT_EQ(platform::fileMatches(root.path(QStringLiteral("prog/link.exe"))), QStringLiteral("link.exe"));
    EXPECT_EQ(platform::fileMatches(root.path(QStringLiteral("prog/*.EXE"))), QStringLiteral("link.exe"));
    EXPECT_EQ(platform::fileMatches(root.path(QStringLiteral("missing/MODVISK.EXE"))), QString());
    EXPECT_EQ(platform::fileMatches(root.path(QStringLiteral("prog/"))), QString());

    ASSERT_EQ(::chdir(QFile::encodeName(root.path(QStringLiteral("prog"))).constData()), 0);
    EXPECT_EQ(platform::fileMatches(QStringLiteral("Modvisk.exe")), QStringLiteral("modvisk.exe"));
}

TEST(Files, ListsMatchingOrdinaryFilesSortedIgnoringCase)
{
    TemporaryFolder root;
    for (const char *name : {"TORBSTOC.MDB", "torbcom.mdb", "Zeta.mdb", "apro.MDB", ".hidden.mdb",
                             "notes.txt", "TORBSTOC.BAKMDB"})
        root.write(QStringLiteral("Bases/") + QString::fromUtf8(name));
    root.makeFolder(QStringLiteral("Bases/folder.mdb"));

    EXPECT_EQ(platform::listFiles(root.path(QStringLiteral("BASES")), QStringLiteral("*.mdb")),
              QStringList({"apro.MDB", "torbcom.mdb", "TORBSTOC.MDB", "Zeta.mdb"}));
    EXPECT_EQ(
        failureNumber([&] { platform::listFiles(root.path(QStringLiteral("none")), QStringLiteral("*")); }),
        76);
}

TEST(Files, DeleteRemovesTheFileFoundIgnoringCase)
{
    TemporaryFolder root;
    const QString file = root.write(QStringLiteral("torbstoc.bakmdb"));
    platform::deleteFile(root.path(QStringLiteral("TORBSTOC.BAKMDB")));
    EXPECT_FALSE(QFile::exists(file));
    EXPECT_EQ(failureNumber([&] { platform::deleteFile(file); }), 53);
}

TEST(Files, RenameNeverReplacesAnExistingTarget)
{
    TemporaryFolder root;
    root.write(QStringLiteral("torbstoc.mdb"), "old");
    root.write(QStringLiteral("TORBSTOC_NEW.MDB"), "compacted");
    root.write(QStringLiteral("torbstoc.bakmdb"), "backup");

    // The backup exists under another case: the rename fails and both files stay as they were.
    EXPECT_EQ(failureNumber([&] {
                  platform::renameFile(root.path(QStringLiteral("TORBSTOC.MDB")),
                                       root.path(QStringLiteral("TORBSTOC.BAKMDB")));
              }),
              58);
    EXPECT_EQ(contents(root.path(QStringLiteral("torbstoc.mdb"))), "old");
    EXPECT_EQ(contents(root.path(QStringLiteral("torbstoc.bakmdb"))), "backup");

    platform::deleteFile(root.path(QStringLiteral("TORBSTOC.BAKMDB")));
    platform::renameFile(root.path(QStringLiteral("TORBSTOC.MDB")),
                         root.path(QStringLiteral("TORBSTOC.BAKMDB")));
    platform::renameFile(root.path(QStringLiteral("TORBSTOC_NEW.MDB")),
                         root.path(QStringLiteral("TORBSTOC.MDB")));
    EXPECT_EQ(contents(root.path(QStringLiteral("TORBSTOC.BAKMDB"))), "old");
    EXPECT_EQ(contents(root.path(QStringLiteral("TORBSTOC.MDB"))), "compacted");
    EXPECT_EQ(failureNumber([&] {
                  platform::renameFile(root.path(QStringLiteral("missing")),
                                       root.path(QStringLiteral("other")));
              }),
              53);
}

TEST(Files, LinkAddsANameAndRefusesAnExistingOne)
{
    TemporaryFolder root;
    const QString file = root.write(QStringLiteral("a.mdb"), "data");
    root.write(QStringLiteral("c.mdb"), "other");
    platform::linkFile(root.path(QStringLiteral("A.MDB")), root.path(QStringLiteral("b.mdb")));
    platform::syncFile(root.path(QStringLiteral("b.mdb")));
    EXPECT_EQ(contents(root.path(QStringLiteral("b.mdb"))), "data");
    EXPECT_EQ(failureNumber([&] { platform::linkFile(file, root.path(QStringLiteral("C.MDB"))); }), 58);
    EXPECT_EQ(contents(root.path(QStringLiteral("c.mdb"))), "other");
    EXPECT_EQ(failureNumber([&] { platform::syncFile(root.path(QStringLiteral("none"))); }), 53);
}

TEST(Files, CurrentDirectoryFollowsChangesAndRefusesMissingFolders)
{
    TemporaryFolder root;
    const QString data = root.makeFolder(QStringLiteral("Data/torbstoc"));
    platform::setCurrentDirectory(root.path(QStringLiteral("DATA/TORBSTOC")));
    EXPECT_EQ(platform::currentDirectory(), QFile::decodeName(QFile::encodeName(data)));
    platform::setCurrentDirectory(QStringLiteral(".."));
    EXPECT_EQ(platform::currentDirectory(), root.path(QStringLiteral("Data")));
    platform::setCurrentDirectory(QStringLiteral("/"));
    EXPECT_EQ(platform::currentDirectory(), QStringLiteral("/"));

    const QString current = platform::currentDirectory();
    EXPECT_EQ(
        failureNumber([&] { platform::setCurrentDirectory(root.path(QStringLiteral("Data/torbcom"))); }), 76);
    EXPECT_EQ(failureNumber([&] { platform::setCurrentDirectory(root.write(QStringLiteral("file"))); }), 76);
    EXPECT_EQ(platform::currentDirectory(), current);
}

TEST(Files, ProgramFolderHoldsTheRunningTest)
{
    const QString folder = platform::programFolder();
    EXPECT_TRUE(folder.startsWith(QLatin1Char('/')));
    EXPECT_FALSE(folder.endsWith(QLatin1Char('/')));
    EXPECT_TRUE(platform::isFolder(folder));
    EXPECT_EQ(platform::fileMatches(folder + QStringLiteral("/platform_tests")),
              QStringLiteral("platform_tests"));
}

TEST(Files, TypeTests)
{
    TemporaryFolder root;
    root.write(QStringLiteral("Dir/File"));
    EXPECT_TRUE(platform::isOrdinaryFile(root.path(QStringLiteral("dir/file"))));
    EXPECT_FALSE(platform::isOrdinaryFile(root.path(QStringLiteral("dir"))));
    EXPECT_TRUE(platform::isFolder(root.path(QStringLiteral("DIR"))));
    EXPECT_FALSE(platform::isFolder(root.path(QStringLiteral("dir/file"))));
    EXPECT_FALSE(platform::isOrdinaryFile(root.path(QStringLiteral("none"))));
}

// Users read these descriptions in message boxes.
TEST(Files, FailuresAreDescribedInFrenchWithThePath)
{
    TemporaryFolder root;
    const QString missing = root.path(QStringLiteral("absent"));
    struct Case {
        std::function<void()> operation;
        QString description;
        int number;
    };
    const Case cases[] = {
        {[&] { platform::listFiles(missing, QStringLiteral("*")); },
         "Impossible de lire le dossier " + missing, 76},
        {[&] { platform::deleteFile(missing); }, "Impossible de supprimer " + missing, 53},
        {[&] { platform::renameFile(missing, missing + "2"); },
         "Impossible de renommer " + missing + " en " + missing + "2", 53},
        {[&] { platform::linkFile(missing, missing + "2"); },
         "Impossible de donner à " + missing + " le second nom " + missing + "2", 53},
        {[&] { platform::syncFile(missing); }, "Impossible d'ouvrir " + missing, 53},
        {[&] { platform::setCurrentDirectory(missing); }, "Impossible de passer au dossier " + missing, 76},
        {[&] { platform::replaceFile(missing, missing + "2"); }, "Impossible de remplacer " + missing + "2",
         53},
        {[&] { platform::syncFolder(missing); }, "Impossible d'ouvrir le dossier " + missing, 76},
        {[&] { platform::SystemProcessStarter().start(missing, {}); }, "Impossible de démarrer " + missing,
         53},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.description.toStdString());
        try {
            c.operation();
            ADD_FAILURE() << "no failure";
        } catch (const platform::Failure &failure) {
            const QString cause =
                c.number == platform::pathNotFound ? "dossier introuvable" : "fichier ou dossier introuvable";
            EXPECT_TRUE(failure.description().startsWith(c.description + " : " + cause + " ("))
                << failure.description().toStdString();
            EXPECT_EQ(failure.number(), c.number);
        }
    }
}
