#include "launcher/settings/DataPathChecks.h"
#include "launcher/settings/DataPathProgram.h"
#include "tests/support/fixtures/TempFolder.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace
{

TEST(DataPathChecks, EnvironmentAndNetworkTypeAreExactUpperCaseLetters)
{
    for (const char *text : {"R", "M"})
        EXPECT_TRUE(settings::isEnvironment(text)) << text;
    for (const char *text : {"r", "m", "", " ", "RM", "L"})
        EXPECT_FALSE(settings::isEnvironment(text)) << text;
    for (const char *text : {"L", "I", "T", "N"})
        EXPECT_TRUE(settings::isNetworkType(text)) << text;
    for (const char *text : {"l", "t", "", " ", "R", "TN"})
        EXPECT_FALSE(settings::isNetworkType(text)) << text;
}

TEST(DataPathChecks, MessageLinesAreTranslatedOneByOneAndJoinedByACarriageReturnAlone)
{
    const auto marked = [](const QString &line) { return "<" + line + ">"; };
    EXPECT_EQ(settings::messageOfLines({"a", " b"}, marked), QStringLiteral("<a>\r< b>"));
    EXPECT_EQ(settings::environmentMessageLines().size(), 3);
    EXPECT_EQ(settings::networkMessageLines().size(), 5);
}

TEST(DataPathChecks, TheProductProgramIsFoundInItsSubFolderIgnoringCaseAndExe)
{
    testing_support::TempFolder folder;
    QDir().mkpath(folder.file("torbstoc"));
    QFile(folder.file("torbstoc/zlv0")).open(QIODevice::WriteOnly);
    EXPECT_TRUE(settings::Existe_Appli(folder.path(), "TORBSTOC", "ZLV0.EXE"));
    EXPECT_TRUE(settings::Existe_Appli(folder.path(), "torbstoc", "zlv0"));
    EXPECT_FALSE(settings::Existe_Appli(folder.path(), "TORBSTOC", "autre.exe"));
    EXPECT_FALSE(settings::Existe_Appli(folder.path(), "TORBSTOC", ""));
    EXPECT_FALSE(settings::Existe_Appli(folder.path(), "TORBCOM", "torbcom.exe"));
}

} // namespace
