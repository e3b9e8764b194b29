#include "launcher/settings/LauncherIni.h"

#include "launcher/services/IniLines.h"
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

TEST(LauncherIniText, LanguageLineReplacesTheOldOnesAndStandsInTheContent)
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
        {"the removed line's break and the terminator: the line moves before the empty one",
         QStringLiteral("X=1\r\nLANGUE=1\r\n"), settings::LanguageLine2,
         QStringLiteral("X=1\r\nLANGUE=2\r\n")},
        {"three breaks in a row become two, the line before them", QStringLiteral("A\r\n\r\n\r\nB"),
         settings::LanguageLine1, QStringLiteral("A\r\nLANGUE=1\r\n\r\nB")},
        {"only line breaks", QStringLiteral("\r\n\r\n\r\n"), settings::LanguageLine1,
         QStringLiteral("LANGUE=1\r\n")},
    };
    for (const LanguageCase &c : cases) {
        const QString result = iniWithLanguageLine(c.text, c.line);
        EXPECT_EQ(result, c.result) << c.what;
        if (!c.line.isEmpty()) {
            EXPECT_TRUE(services::iniContent(result.split(QStringLiteral("\r\n"))).contains(c.line))
                << c.what;
        }
    }
}

struct BytesCase {
    const char *what;
    QList<QByteArray> former;
    QString text;
    QByteArray written;
};

TEST(LauncherIniText, LinesLeftAsShownAreWrittenBackByteForByte)
{
    const std::vector<BytesCase> cases = {
        {"code page file untouched",
         {"NOM=Soci\xe9t\xe9", "LANGUE=1", ""},
         QStringLiteral("NOM=Société\r\nLANGUE=1\r\n"),
         "NOM=Soci\xe9t\xe9\r\nLANGUE=1\r\n\r\n"},
        {"a typed line in the file's code page",
         {"NOM=Soci\xe9t\xe9"},
         QStringLiteral("NOM=Société\r\nV=Orléans"),
         "NOM=Soci\xe9t\xe9\r\nV=Orl\xe9\x61ns\r\n"},
        {"what the code page lacks in UTF-8",
         {"NOM=Soci\xe9t\xe9"},
         QStringLiteral("V=中é"),
         "V=\xe4\xb8\xad\xc3\xa9\r\n"},
        {"a UTF-8 file stays UTF-8",
         {"NOM=Soci\xc3\xa9t\xc3\xa9"},
         QStringLiteral("NOM=Société\r\nV=é"),
         "NOM=Soci\xc3\xa9t\xc3\xa9\r\nV=\xc3\xa9\r\n"},
        {"no file: UTF-8", {}, QStringLiteral("V=é\r\n"), "V=\xc3\xa9\r\n\r\n"},
        {"blanks around an untouched line kept", {"  A = 1 "}, QStringLiteral("A = 1"), "  A = 1 \r\n"},
        {"an edited line loses its old bytes", {"A=\xe9"}, QStringLiteral("A=\xe9!"), "A=\xe9!\r\n"},
        {"a line of blanks shown empty is written empty",
         {"A", "   ", "B"},
         QStringLiteral("A\r\n\r\nB"),
         "A\r\n\r\nB\r\n"},
        {"each former line serves once, in order",
         {"X=\xe9", "X=\xc3\xa9"},
         QStringLiteral("X=é\r\nX=é\r\nX=é"),
         "X=\xe9\r\nX=\xc3\xa9\r\nX=\xe9\r\n"},
    };
    for (const BytesCase &c : cases)
        EXPECT_EQ(settings::iniFileBytes(c.text, c.former).toHex(' '), c.written.toHex(' ')) << c.what;
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

// A file made on the original workstations, and a UTF-8 line added since: both shown as they read,
// and after a language change every untouched line is the same bytes.
TEST_F(LauncherIniFile, CodePageAndUtf8LinesAreShownAndSurviveASave)
{
    write(QStringLiteral("torbprod.ini"), "NOM=Soci\xe9t\xe9\r\nVILLE=Orl\xc3\xa9\x61ns\r\nLANGUE=1\r\n\r\n");
    const QString shown = settings::loadLauncherIni(data);
    EXPECT_EQ(shown, QStringLiteral("NOM=Société\r\nVILLE=Orléans\r\nLANGUE=1\r\n"));

    settings::saveLauncherIni(data, iniWithLanguageLine(shown, settings::LanguageLine2));

    EXPECT_EQ(read(QStringLiteral("torbprod.ini")),
              "NOM=Soci\xe9t\xe9\r\nVILLE=Orl\xc3\xa9\x61ns\r\nLANGUE=2\r\n\r\n");
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
