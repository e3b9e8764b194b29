#include "platform/Failure.h"
#include "tests/support/fixtures/SqliteCommand.h"
#include "tests/support/fixtures/TempFolder.h"
#include "tests/support/fixtures/TempInstallation.h"
#include "tools/modules/BusinessModules.h"
#include "tools/sample-installation/ReplaceInstallation.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

using testing_support::sqlite3Command;
using testing_support::TempInstallation;

namespace
{

QByteArray contents(const QString &path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

class SampleInstallationTest : public ::testing::Test
{
protected:
    TempInstallation installation;
};

TEST_F(SampleInstallationTest, DatabasesOpenWithTheSqliteCommand)
{
    struct Case {
        const char *file;
        const char *query;
        const char *expected;
    };
    const Case cases[] = {
        {"SOC1/DBPATH.MDB", "select count(*) from TPATH", "8"},
        {"SOC1/BDLOC.MDB", "select count(*) from TMP_TRAD", "0"},
        {"SOC1/BDLOC.MDB", "select count(*) from TMP_MEMOPATH", "0"},
        {"programmes/SIGNETS.MDB", "select count(*) from T_SIGNETS", "6"},
        {"bases/TORBSTOC.MDB", "select count(*) from TZPR", "2"},
        {"bases/TORBPLAN.MDB", "select count(*) from TZPR2", "1"},
        {"bases/TORBTECH.MDB", "select count(*) from TZMN where TZMN_ACCES < 2", "2"},
        {"bases/TORBPRIX.MDB", "select PARAM_VALEUR from TPARAM where PARAM_CODE = 'MODULE'", "TORBPRIX"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(sqlite3Command(installation.path(c.file), c.query), QString::fromLatin1(c.expected))
            << c.file << ": " << c.query;
}

TEST_F(SampleInstallationTest, EveryDatabasePassesTheSqliteIntegrityCheck)
{
    QStringList files;
    for (QDirIterator found(installation.root(), {QStringLiteral("*.MDB")}, QDir::Files,
                            QDirIterator::Subdirectories);
         found.hasNext();)
        files << found.next();
    EXPECT_GE(files.size(), 10); // at least the data folder's two, the seven of bases/ and SIGNETS.MDB
    for (const QString &file : files)
        EXPECT_EQ(sqlite3Command(file, QStringLiteral("PRAGMA integrity_check")), QStringLiteral("ok"))
            << file.toStdString();
}

TEST_F(SampleInstallationTest, FirstFolderRowNamesTheDatabasesAndRowTwoTheTemplates)
{
    const QString dbpath = installation.path(QStringLiteral("SOC1/DBPATH.MDB"));
    EXPECT_EQ(
        sqlite3Command(dbpath, QStringLiteral("select TPATH_PATH from TPATH order by TPATH_NUM limit 1")),
        installation.databases() + QLatin1Char('/'));
    EXPECT_EQ(sqlite3Command(dbpath, QStringLiteral("select TPATH_PATH from TPATH where TPATH_NUM = 2")),
              installation.templates() + QLatin1Char('/'));
    EXPECT_EQ(
        sqlite3Command(dbpath, QStringLiteral("select count(*) from TPATH where TPATH_PATH not like '%/'")),
        QStringLiteral("0"));
    for (const QString &name : tools::moduleDatabaseNames())
        EXPECT_TRUE(QFileInfo(installation.databases() + QLatin1Char('/') + name).isFile())
            << name.toStdString();
}

TEST_F(SampleInstallationTest, TranslationsCoverBothLanguagesWithSomeLeftOut)
{
    const QString bdtrad = installation.path(QStringLiteral("bases/BDTRAD.MDB"));
    EXPECT_EQ(
        sqlite3Command(
            bdtrad, QStringLiteral("select T_TRAD1 || '|' || T_TRAD2 from TTRAD where T_VALEUR = 'Achats'")),
        QStringLiteral("Purchasing|Zakupy"));
    EXPECT_NE(
        sqlite3Command(bdtrad, QStringLiteral("select count(*) from TTRAD where ifnull(T_TRAD1, '') = ''")),
        QStringLiteral("0"));
    EXPECT_NE(
        sqlite3Command(bdtrad, QStringLiteral("select count(*) from TTRAD where ifnull(T_TRAD2, '') = ''")),
        QStringLiteral("0"));
    // Keys are the launcher's texts without their outer blanks, path literals with "/".
    EXPECT_EQ(sqlite3Command(
                  bdtrad, QStringLiteral("select count(*) from TTRAD where T_VALEUR <> trim(T_VALEUR, ' ') "
                                         "or T_VALEUR like '%\\%'")),
              QStringLiteral("0"));
    EXPECT_EQ(sqlite3Command(bdtrad, QStringLiteral("select count(*) from TTRAD where T_VALEUR = "
                                                    "'torbcom/torbcom.exe introuvable'")),
              QStringLiteral("1"));
}

TEST_F(SampleInstallationTest, ProgramsAndStandInsAreExecutableFilesOfTheProgramFolder)
{
    QStringList programs = tools::suitePrograms();
    for (const tools::BusinessModule &module : tools::businessModules()) {
        programs << module.folder + QLatin1Char('/') + module.program;
        EXPECT_TRUE(QFileInfo(installation.data() + QLatin1Char('/') + module.folder).isDir())
            << module.folder.toStdString();
    }
    for (const QString &program : programs) {
        const QFileInfo info(installation.programs() + QLatin1Char('/') + program);
        EXPECT_TRUE(info.isFile() && info.isExecutable() && !info.isSymLink()) << program.toStdString();
    }
}

TEST_F(SampleInstallationTest, IniFilesHoldNoLanguageAndTheUpdateAddressBesideTheDataFolder)
{
    EXPECT_EQ(contents(installation.path(QStringLiteral("SOC1/torbprod.ini"))), QByteArray());
    EXPECT_EQ(contents(installation.path(QStringLiteral("torbprod.ini"))),
              QByteArray("VOSKERAND=http://mises-a-jour.torbprod.example/updates/V95/\r\n\r\n"));
    EXPECT_FALSE(QFile::exists(installation.path(QStringLiteral("SOC1/menuconfig.ini"))));
}

TEST_F(SampleInstallationTest, TemplatesAreTheFamiliesDotFiles)
{
    const QStringList found =
        QDir(installation.templates()).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase);
    QStringList expected = tools::templateNames();
    expected.sort(Qt::CaseInsensitive);
    EXPECT_EQ(found, expected);
}

TEST(SampleInstallationOptions, LanguageLineLeftOutFilesAndReplacedFolderRows)
{
    tools::SampleOptions options;
    options.language = 2;
    options.leaveOut = {QStringLiteral("SOC1/BDLOC.MDB"), QStringLiteral("programmes/torbapro"),
                        QStringLiteral("torbprod.ini")};
    options.withPrograms = false;
    options.folderRows = QList<storage::FolderRow>{};
    const TempInstallation installation(options);

    EXPECT_EQ(contents(installation.path(QStringLiteral("SOC1/torbprod.ini"))),
              QByteArray("LANGUE=2\r\n\r\n"));
    EXPECT_FALSE(QFile::exists(installation.path(QStringLiteral("SOC1/BDLOC.MDB"))));
    EXPECT_FALSE(QFile::exists(installation.path(QStringLiteral("programmes/torbapro"))));
    EXPECT_FALSE(QFile::exists(installation.path(QStringLiteral("torbprod.ini"))));
    EXPECT_FALSE(QFile::exists(installation.path(QStringLiteral("programmes/torbprod"))));
    EXPECT_TRUE(QFile::exists(installation.path(QStringLiteral("programmes/torbcom/torbcom"))));
    EXPECT_TRUE(QFile::exists(installation.path(QStringLiteral("SOC1/torbapro"))));
    EXPECT_EQ(sqlite3Command(installation.path(QStringLiteral("SOC1/DBPATH.MDB")),
                             QStringLiteral("select count(*) from TPATH")),
              QStringLiteral("0"));
}

TEST(SampleInstallationOptions, NullValuesStayNull)
{
    tools::SampleOptions options;
    options.withPrograms = false;
    options.extraTranslations = {
        {QStringLiteral("Texte sans traduction"), QVariant(), QStringLiteral(""), QVariant()}};
    const TempInstallation installation(options);
    EXPECT_EQ(sqlite3Command(
                  installation.path(QStringLiteral("bases/BDTRAD.MDB")),
                  QStringLiteral("select (T_TRAD1 is null) || (T_TRAD2 is null) || (T_COMMENTAIRE is null) "
                                 "from TTRAD where T_VALEUR = 'Texte sans traduction'")),
              QStringLiteral("101"));
    EXPECT_EQ(sqlite3Command(installation.path(QStringLiteral("SOC1/DBPATH.MDB")),
                             QStringLiteral("select count(*) from TPATH where TPATH_NOMMDB is null")),
              QStringLiteral("1"));
}

TEST(SampleInstallationLayout, RefusesAFolderThatHoldsSomething)
{
    testing_support::TempFolder folder;
    QFile(folder.file(QStringLiteral("user.txt"))).open(QIODevice::WriteOnly);
    EXPECT_THROW(tools::makeSampleInstallation(folder.path(), QString(), {}), platform::Failure);
    EXPECT_TRUE(QFile::exists(folder.file(QStringLiteral("user.txt"))));
}

TEST(SampleInstallationLayout, ReplacingDropsStaleFilesAndAFailureKeepsTheOldInstallation)
{
    testing_support::TempFolder folder;
    const QString root = folder.file(QStringLiteral("sample"));
    tools::SampleOptions options;
    options.withPrograms = false;
    tools::replaceSampleInstallation(root, QString(), options);
    const QString stale = root + QStringLiteral("/SOC1/menuconfig.ini");
    QFile(stale).open(QIODevice::WriteOnly);

    const tools::InstallationFolders folders = tools::replaceSampleInstallation(root, QString(), options);
    EXPECT_FALSE(QFile::exists(stale));
    EXPECT_TRUE(QFile::exists(folders.data + QStringLiteral("/DBPATH.MDB")));

    QFile(stale).open(QIODevice::WriteOnly);
    options.schemaFolder = folder.file(QStringLiteral("no-schema"));
    EXPECT_THROW(tools::replaceSampleInstallation(root, QString(), options), platform::Failure);
    EXPECT_TRUE(QFile::exists(stale));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"sample"});
}

} // namespace
