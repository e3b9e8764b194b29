#include "launcher/menu/Docking.h"
#include "launcher/menu/LanguageLine.h"
#include "launcher/menu/StartFolders.h"
#include "launcher/menu/VersionText.h"
#include "platform/Failure.h"

#include <gtest/gtest.h>

using namespace menu;

namespace
{

struct CaptionCase {
    const char *directory;
    platform::PathSyntax syntax;
    std::optional<QString> caption;
    const char *dataFolder;
};

TEST(StartFolders, CaptionAndDataFolderFollowTheLastSeparator)
{
    const auto windows = platform::PathSyntax::windows();
    const auto posix = platform::PathSyntax::posix();
    const CaptionCase cases[] = {
        {"D:\\GESTION\\SOC1", windows, QStringLiteral("SOC1"), "D:\\GESTION\\SOC1\\"},
        {"C:\\", windows, QString(), "C:\\\\"},
        {"C:SOC1", windows, QStringLiteral("SOC1"), "C:SOC1\\"},
        {"SOC1", windows, std::nullopt, "SOC1\\"},
        {"/srv/gestion/SOC1", posix, QStringLiteral("SOC1"), "/srv/gestion/SOC1/"},
        {"/", posix, QString(), "//"},
        {"D:\\GESTION\\SOC1", posix, std::nullopt, "D:\\GESTION\\SOC1/"},
    };
    for (const CaptionCase &c : cases) {
        const QString directory = QString::fromUtf8(c.directory);
        EXPECT_EQ(captionForFolder(directory, c.syntax), c.caption) << c.directory;
        EXPECT_EQ(launcherFolder(directory, c.syntax), QString::fromUtf8(c.dataFolder)) << c.directory;
    }
}

TEST(LanguageLine, FirstQualifyingLineBeforeTheFirstEmptyLine)
{
    const struct {
        QStringList lines;
        qint16 language;
    } cases[] = {
        {{}, 0},
        {{"LANGUE=2"}, 2},
        {{"LANGUE = 2"}, 2},
        {{"LANGUE =2"}, 2},
        {{"langue=2"}, 2},
        {{"   Langue=1   "}, 1},
        {{"LANGUE=0"}, 0},
        {{"LANGUE=3"}, 3},
        {{"LANGUE=-1"}, -1},
        {{"LANGUE=1", "LANGUE=2"}, 1},
        {{"[TORBPROD]", "LANGUE=2"}, 2},
        {{"", "LANGUE=2"}, 0},
        {{"   ", "LANGUE=2"}, 0},
        {{"LANGUE  =2"}, 0},
        {{"LANGUES=2"}, 0},
        {{"LANGUES=2", "LANGUE  =1", "LANGUE=2"}, 2},
        {{"VOSKERAND=http://x", "", "LANGUE=1"}, 0},
    };
    for (const auto &c : cases)
        EXPECT_EQ(languageFromIniLines(c.lines), c.language)
            << c.lines.join(QStringLiteral("|")).toStdString();
}

TEST(LanguageLine, ValueThatIsNoWhole16BitNumberFails)
{
    const struct {
        const char *line;
        int number;
    } cases[] = {
        {"LANGUE=", 13},    {"LANGUE=  ", 13},   {"LANGUE=deux", 13},  {"LANGUE=1.5", 13},
        {"LANGUE=1 2", 13}, {"LANGUE=32768", 6}, {"LANGUE=-32769", 6}, {"LANGUE=99999999999", 6},
        {"LANGUE=-", 13},   {"LANGUE=+", 13},    {"LANGUE=2+", 13},
    };
    for (const auto &c : cases) {
        try {
            languageFromIniLines({QString::fromUtf8(c.line)});
            ADD_FAILURE() << c.line << " was accepted";
        } catch (const platform::Failure &failure) {
            EXPECT_EQ(failure.number(), c.number) << c.line;
            EXPECT_FALSE(failure.description().isEmpty());
        }
    }
    EXPECT_EQ(toInteger16(QStringLiteral("-32768")), -32768);
    EXPECT_EQ(toInteger16(QStringLiteral(" 32767 ")), 32767);
    EXPECT_EQ(toInteger16(QStringLiteral("+2")), 2);
}

TEST(VersionText, PlainDecimalNumbers)
{
    EXPECT_EQ(versionText(9, 5, 8), QStringLiteral("Version V9.5.8"));
    EXPECT_EQ(versionText(10, 0, 12), QStringLiteral("Version V10.0.12"));
    EXPECT_EQ(programVersionText(), QStringLiteral("Version V9.5.1"));
}

TEST(Docking, TopRightWithTheHeightSetOnlyAtStart)
{
    const ui::TwipsRect designed{300, 900, 2355, 9330};
    EXPECT_EQ(dockedAtStart(19200, 15360, designed), (ui::TwipsRect{19200 - 2355, 0, 2355, 14860}));
    const ui::TwipsRect moved{40, 700, 2355, 14860};
    EXPECT_EQ(docked(28800, moved), (ui::TwipsRect{28800 - 2355, 0, 2355, 14860}));
}

} // namespace
