#include "launcher/settings/LauncherIni.h"

#include "platform/Failure.h"
#include "tests/support/fixtures/TempFolder.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace
{

using settings::iniDisplayText;
using settings::iniWithLanguageLine;

struct DisplayCase {
    const char *what;
    QStringList lines;
    QString shown;
};

TEST(LauncherIniText, ShowsTrimmedLinesUpToTheFirstEmptyOne)
{
    const std::vector<DisplayCase> cases = {
        {"blanks inside kept, terminator shown as a final break",
         {QStringLiteral("LANGUE = 1"), QStringLiteral("VOSKERAND= a b"), QString(), QStringLiteral("X=1")},
         QStringLiteral("LANGUE = 1\r\nVOSKERAND= a b\r\n")},
        {"first line empty", {QString(), QStringLiteral("LANGUE=1")}, QString()},
        {"leading blank lines vanish, a later one stays empty",
         {QStringLiteral("  "), QStringLiteral(" A "), QStringLiteral("   "), QStringLiteral("B"), QString()},
         QStringLiteral("A\r\n\r\nB\r\n")},
        {"no terminator", {QStringLiteral("A"), QStringLiteral("B")}, QStringLiteral("A\r\nB")},
    };
    for (const DisplayCase &c : cases)
        EXPECT_EQ(iniDisplayText(c.lines), c.shown) << c.what;
}

struct LanguageCase {
    const char *what;
    QString text;
    QString line;
    QString result;
};

TEST(LauncherIniText, LanguageLineReplacesTheOldOnesAndDropsEveryBlank)
{
    const std::vector<LanguageCase> cases = {
        {"spaced key survives as its tight form, which is then removed",
         QStringLiteral("LANGUE = 1\r\nVOSKERAND= a b\r\n"), settings::LanguageLine2,
         QStringLiteral("VOSKERAND=ab\r\nLANGUE=2")},
        {"only the language line", QStringLiteral("LANGUE=1\r\n"), settings::LanguageLine2,
         QStringLiteral("LANGUE=2")},
        {"no option: the line goes, a break is left", QStringLiteral("A\r\nLANGUE=2"), QString(),
         QStringLiteral("A\r\n")},
        {"lower-case key is kept", QStringLiteral("langue=1\r\n"), settings::LanguageLine2,
         QStringLiteral("langue=1\r\nLANGUE=2")},
        {"three breaks in a row become two", QStringLiteral("A\r\n\r\n\r\nB"), settings::LanguageLine1,
         QStringLiteral("A\r\n\r\nB\r\nLANGUE=1")},
    };
    for (const LanguageCase &c : cases)
        EXPECT_EQ(iniWithLanguageLine(c.text, c.line), c.result) << c.what;
}

class LauncherIniFile : public ::testing::Test
{
protected:
    LauncherIniFile() { QDir().mkpath(data); }

    void write(const QString &name, const QByteArray &bytes) const
    {
        QFile file(data + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray read(const QString &name) const
    {
        QFile file(data + name);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    QStringList files() const { return QDir(data).entryList(QDir::Files); }

    testing_support::TempFolder folder;
    const QString data = folder.file(QStringLiteral("SOC1")) + u'/';
};

TEST_F(LauncherIniFile, MissingFileLoadsAsEmptyText)
{
    EXPECT_EQ(settings::loadLauncherIni(data), QString());
}

TEST_F(LauncherIniFile, SaveReplacesTheFileFoundIgnoringCaseAndClearsTheBackup)
{
    write(QStringLiteral("TORBPROD.INI"), "LANGUE=1\r\n\r\nAFTER=1\r\n");
    write(QStringLiteral("torbprod.inibak"), "old");
    ASSERT_EQ(settings::loadLauncherIni(data), QStringLiteral("LANGUE=1\r\n"));

    settings::saveLauncherIni(data, QStringLiteral("A=1\r\nLANGUE=2"));

    EXPECT_EQ(files(), QStringList{QStringLiteral("TORBPROD.INI")});
    EXPECT_EQ(read(QStringLiteral("TORBPROD.INI")), "A=1\r\nLANGUE=2\r\n");
}

TEST_F(LauncherIniFile, LanguageOnlyFileReadsBackWithItsTerminator)
{
    settings::writeLanguageOnly(data, settings::LanguageLine1);
    EXPECT_EQ(read(QStringLiteral("torbprod.ini")), "LANGUE=1\r\n\r\n");
    EXPECT_EQ(settings::loadLauncherIni(data), QStringLiteral("LANGUE=1\r\n"));

    settings::writeLanguageOnly(data, QString());
    EXPECT_EQ(read(QStringLiteral("torbprod.ini")), "\r\n\r\n");
}

TEST_F(LauncherIniFile, WritesThatCannotBeMadeThrow)
{
    const QString missing = folder.file(QStringLiteral("NOWHERE")) + u'/';
    EXPECT_THROW(settings::saveLauncherIni(missing, QStringLiteral("A=1")), platform::Failure);
    EXPECT_THROW(settings::writeLanguageOnly(missing, settings::LanguageLine1), platform::Failure);
}

} // namespace
