#include "platform/Failure.h"
#include "platform/NumberText.h"

#include <QString>
#include <gtest/gtest.h>

namespace
{

TEST(NumberText, NumbersAsTheOriginalConversionReadThem)
{
    const struct {
        const char *text;
        qint32 number;
    } cases[] = {
        {"255", 255},
        {" 14187366 ", 14187366},
        {"\t-2147483633", -2147483633},
        {"+42", 42},
        {"255.0", 255},
        {"255.", 255},
        {".4", 0},
        {"2.5", 2}, // a half goes to the even integer
        {"3.5", 4},
        {"-2.5", -2},
        {"-3.5", -4},
        {"2.500001", 3},
        {"1E3", 1000},
        {"1.5e+2", 150},
        {"25e-1", 2},
        {"1e-400", 0},
        {"2147483647", 2147483647},
        {"2147483647.4", 2147483647},
        {"-2147483648.5", -2147483647 - 1},
        {"&HFF", 255},
        {"&h00D87B66", 14187366},
        {"&hff&", 255},
        {"&H80000005", -2147483643},
        {"&HFFFFFFFF", -1},
        {"&H000000000FF", 255},
        {"&O17", 15},
        {"&o37777777777", -1},
    };
    for (const auto &c : cases)
        EXPECT_EQ(platform::int32FromText(QString::fromUtf8(c.text)), c.number) << c.text;
}

TEST(NumberText, NoNumberIsATypeMismatchAndTooBigAnOverflow)
{
    const struct {
        const char *text;
        int error;
    } cases[] = {
        {"", 13},
        {"   ", 13},
        {"bleu", 13},
        {"12 34", 13},
        {"1,5", 13},
        {".", 13},
        {"1.5e", 13},
        {"e3", 13},
        {"--1", 13},
        {"0x1F", 13},
        {"&H", 13},
        {"&HXYZ", 13},
        {"&O8", 13},
        {"&H-1", 13},
        {"١٢", 13},
        {"inf", 13},
        {"2147483648", 6},
        {"-2147483649", 6},
        {"2147483647.5", 6},
        {"1E10", 6},
        {"1e400", 6},
        {"99999999999999999999999", 6},
        {"&H100000000", 6},
        {"&O40000000000", 6},
    };
    for (const auto &c : cases) {
        try {
            platform::int32FromText(QString::fromUtf8(c.text));
            ADD_FAILURE() << '"' << c.text << "\" accepted";
        } catch (const platform::Failure &failure) {
            EXPECT_EQ(failure.number(), c.error) << c.text;
        }
    }
}

} // namespace
