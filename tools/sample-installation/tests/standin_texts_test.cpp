#include "tools/modules/StandInTexts.h"

#include <gtest/gtest.h>

namespace
{

TEST(StandInTexts, TitleCarriesTheForceCloseWordOfTheProgramName)
{
    struct Case {
        const char *program;
        const char *word;
    };
    const Case cases[] = {
        {"zlv0", "TORBSTOC"},     {"ZLV0.EXE", "TORBSTOC"}, {"torbcom", "TORBCOM"},   {"torbplan", "TORPLAN"},
        {"torbprix", "TORBPRIX"}, {"torbapro", "TORBAPRO"}, {"torbtmps", "TORBTMPS"}, {"sarvelt", "SARVELT"},
        {"torbveh", "TORBVEH"},   {"lupardo", "LUPARDO"},   {"autre", "AUTRE"},
    };
    for (const Case &c : cases)
        EXPECT_TRUE(tools::standInTitle(QString::fromLatin1(c.program)).contains(QString::fromLatin1(c.word)))
            << c.program;
}

TEST(StandInTexts, TextSaysItIsAStandInAndWhereItRuns)
{
    const QString text = tools::standInText(QStringLiteral("torbapro"), QStringLiteral("/srv/SOC1/torbapro"));
    EXPECT_TRUE(text.contains(QStringLiteral("remplacement")));
    EXPECT_TRUE(text.contains(QStringLiteral("Achats")));
    EXPECT_TRUE(text.contains(QStringLiteral("/srv/SOC1/torbapro")));
}

} // namespace
