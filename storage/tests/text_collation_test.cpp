#include "storage/TextCollation.h"

#include <QString>
#include <gtest/gtest.h>

namespace
{

TEST(CompareIgnoringCase, FoldsCaseAccentedLettersIncluded)
{
    struct Case {
        const char *a;
        const char *b;
        int expected;
    };
    const Case cases[] = {
        {"abc", "ABC", 0},  {"été", "ÉTÉ", 0},  {"Œuvre", "œUVRE", 0}, {"abc", "abd", -1},
        {"ab", "abc", -1},  {"éte", "été", -1}, {"zèbre", "été", -1},  {"Zèbre", "zÈBRE", 0},
        {"a_b", "aAb", -1}, {"", "", 0},        {"", "a", -1},         {"straße", "STRASSE", 1},
    };
    for (const Case &c : cases) {
        const QString a = QString::fromUtf8(c.a);
        const QString b = QString::fromUtf8(c.b);
        EXPECT_EQ(storage::compareIgnoringCase(a, b), c.expected) << c.a << " / " << c.b;
        EXPECT_EQ(storage::compareIgnoringCase(b, a), -c.expected) << c.b << " / " << c.a;
    }
}

} // namespace
