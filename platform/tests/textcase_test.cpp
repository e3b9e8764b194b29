#include "platform/TextCase.h"

#include <gtest/gtest.h>

namespace
{

TEST(UpperCase, EachCharacterBecomesItsOneCapitalOrStaysAsItIs)
{
    const struct {
        const char *text;
        const char *upper;
    } cases[] = {
        {"torbcom.mdb", "TORBCOM.MDB"},
        {"Lettre Straße.dot", "LETTRE STRAßE.DOT"},
        {"ﬁchier ﬂ ﬀ ﬃ", "ﬁCHIER ﬂ ﬀ ﬃ"},
        {"ŉ ΐ", "ŉ ΐ"}, // capitals of two characters
        {"échéance à l'œuvre, garçon, cæcum, ÿ", "ÉCHÉANCE À L'ŒUVRE, GARÇON, CÆCUM, Ÿ"},
        {"σοφός", "ΣΟΦΌΣ"}, // the final sigma too
        {"ǆ ǅ ſ µ", "Ǆ Ǆ S Μ"},
        {"ı", "ı"},                     // "I" is the capital of "i", another letter ignoring case
        {"\U00010428x", "\U00010400X"}, // outside the 16-bit range
        {"😀abc", "😀ABC"},
        {"DÉJÀ 123 _-./\\", "DÉJÀ 123 _-./\\"},
        {"", ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(platform::upperCase(QString::fromUtf8(c.text)), QString::fromUtf8(c.upper)) << c.text;

    const QString loneSurrogates = QChar(0xDC00) + QStringLiteral("a") + QChar(0xD800);
    EXPECT_EQ(platform::upperCase(loneSurrogates), QChar(0xDC00) + QStringLiteral("A") + QChar(0xD800));
}

// What lets an upper-cased name still name its file, checked on every character.
TEST(UpperCase, EveryCharacterKeepsItsLengthAndStaysEqualIgnoringCase)
{
    for (char32_t point = 0; point <= 0x10FFFF; ++point) {
        if (point >= 0xD800 && point <= 0xDFFF)
            continue;
        const QString character = QString::fromUcs4(&point, 1);
        const QString upper = platform::upperCase(character);
        ASSERT_EQ(upper.size(), character.size()) << std::hex << unsigned(point);
        ASSERT_EQ(upper.compare(character, Qt::CaseInsensitive), 0) << std::hex << unsigned(point);
        ASSERT_EQ(platform::upperCase(upper), upper) << std::hex << unsigned(point);
    }
}

} // namespace
