#include "launcher/menu/Docking.h"

namespace menu
{

ui::TwipsRect dockedAtStart(int screenWidth, int screenHeight, ui::TwipsRect window)
{
    window = docked(screenWidth, window);
    window.height = screenHeight - 500;
    return window;
}

ui::TwipsRect docked(int screenWidth, ui::TwipsRect window)
{
    window.top = 0;
    window.left = screenWidth - window.width;
    return window;
}

} // namespace menu
