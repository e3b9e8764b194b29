#include "platform/Failure.h"
#include "ui/Colour.h"

#include <QApplication>
#include <gtest/gtest.h>

namespace
{

using ui::ColourNumber;

TEST(Colour, NumbersKeepRedInTheLowestByte)
{
    const struct {
        ColourNumber number;
        QColor colour;
    } cases[] = {
        {0, QColor(0, 0, 0)},
        {255, QColor(255, 0, 0)},
        {65535, QColor(255, 255, 0)},
        {12632256, QColor(192, 192, 192)},
        {14187366, QColor(0x66, 0x7B, 0xD8)}, // &H00D87B66
        {8454143, QColor(255, 255, 128)},     // &H0080FFFF
        {16777215, QColor(255, 255, 255)},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(ui::toQColor(c.number), c.colour) << c.number;
        EXPECT_EQ(ui::fromQColor(c.colour), c.number) << c.number;
    }
    EXPECT_EQ(ui::rgb(13, 107, 236), 13 + 107 * 256 + 236 * 65536);
}

TEST(Colour, SystemColoursTakeThePaletteRoles)
{
    const struct {
        ColourNumber number;
        QPalette::ColorRole role;
    } cases[] = {
        {-2147483640, QPalette::Text},        // window text (8)
        {-2147483643, QPalette::Base},        // window background (5)
        {-2147483633, QPalette::Button},      // button face (15)
        {-2147483630, QPalette::ButtonText},  // button text (18)
        {-2147483635, QPalette::Highlight},   // highlight (13)
        {-2147483624, QPalette::ToolTipBase}, // tool tip background (24)
    };
    QPalette palette;
    palette.setColor(QPalette::Text, QColor(1, 2, 3));
    palette.setColor(QPalette::Base, QColor(4, 5, 6));
    palette.setColor(QPalette::Button, QColor(7, 8, 9));
    palette.setColor(QPalette::ButtonText, QColor(10, 11, 12));
    palette.setColor(QPalette::Highlight, QColor(13, 14, 15));
    palette.setColor(QPalette::ToolTipBase, QColor(16, 17, 18));
    for (const auto &c : cases) {
        EXPECT_TRUE(ui::isSystemColour(c.number));
        EXPECT_EQ(ui::systemColourRole(c.number), c.role) << c.number;
        EXPECT_EQ(ui::toQColor(c.number, palette), palette.color(c.role)) << c.number;
    }
    EXPECT_EQ(ui::WindowText, -2147483640);
    EXPECT_FALSE(ui::isSystemColour(16777215));
}

TEST(Colour, NumbersThatAreNoColourAreRefused)
{
    for (ColourNumber number : {0x01000000, ui::systemColour(25), -1}) {
        try {
            ui::toQColor(number);
            ADD_FAILURE() << number << " accepted";
        } catch (const platform::Failure &failure) {
            EXPECT_EQ(failure.number(), 380);
        }
    }
}

TEST(Colour, TextGivesTheNumberItHolds)
{
    const struct {
        const char *text;
        ColourNumber number;
    } cases[] = {
        {"0", 0},
        {"14187366", 14187366},
        {" 65535 ", 65535},
        {"-2147483633", -2147483633},
        {"&H00D87B66", 14187366},
        {"&hff&", 255},
        {"&H80000008", ui::WindowText},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ui::colourFromText(QString::fromUtf8(c.text)), c.number) << c.text;
}

TEST(Colour, TextThatIsNoNumberIsATypeMismatch)
{
    for (const char *text : {"", "   ", "bleu", "12 34", "&H", "&HXYZ", "1.5e"}) {
        try {
            ui::colourFromText(QString::fromUtf8(text));
            ADD_FAILURE() << '"' << text << "\" accepted";
        } catch (const platform::Failure &failure) {
            EXPECT_EQ(failure.number(), 13) << text;
        }
    }
    EXPECT_THROW(ui::colourFromText(QStringLiteral("99999999999")), platform::Failure);
}

} // namespace
