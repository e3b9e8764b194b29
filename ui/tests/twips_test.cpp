#include "ui/InputEvents.h"
#include "ui/Twips.h"

#include <gtest/gtest.h>

namespace
{

TEST(Twips, FifteenAPixelAtNinetySixDpiScaledByTheScreen)
{
    const struct {
        double dpi;
        int twips;
        int pixels;
    } cases[] = {
        {96, 15, 1},      {96, 2355, 157}, {96, 9330, 622},  {96, 7, 0},   {96, 8, 1},
        {120, 2355, 196}, {120, 12, 1},    {144, 1440, 144}, {192, 15, 2}, {96, -60, -4},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ui::twipsToPixels(c.twips, c.dpi), c.pixels) << c.twips << " twips at " << c.dpi;
    EXPECT_EQ(ui::pixelsToTwips(157, 96), 2355);
    EXPECT_EQ(ui::pixelsToTwips(196, 120), 2352);
    EXPECT_EQ(ui::toPixels({60, 300, 6495, 315}, 96), QRect(4, 20, 433, 21));
    EXPECT_EQ(ui::toTwips(QRect(4, 20, 433, 21), 96), (ui::TwipsRect{60, 300, 6495, 315}));
}

TEST(KeyCodes, QtKeysGiveTheProgramsCodes)
{
    const struct {
        int qtKey;
        int code;
    } cases[] = {
        {Qt::Key_F11, 122},   {Qt::Key_F12, 123},   {Qt::Key_F10, 121},   {Qt::Key_F1, 112},
        {Qt::Key_Return, 13}, {Qt::Key_Enter, 13},  {Qt::Key_Escape, 27}, {Qt::Key_Tab, 9},
        {Qt::Key_A, 65},      {Qt::Key_Z, 90},      {Qt::Key_0, 48},      {Qt::Key_Delete, 46},
        {Qt::Key_Down, 40},   {Qt::Key_unknown, 0},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ui::keyCode(c.qtKey), c.code) << c.qtKey;
    EXPECT_EQ(ui::shiftState(Qt::ShiftModifier | Qt::AltModifier), 5);
    EXPECT_EQ(ui::shiftState(Qt::ControlModifier), 2);
}

} // namespace
