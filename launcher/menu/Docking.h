#pragma once

#include "ui/Twips.h"

namespace menu
{

// Docked at start: top right of the screen, as tall as the screen less 500 twips.
ui::TwipsRect dockedAtStart(int screenWidth, int screenHeight, ui::TwipsRect window);

// Docked again: top right of the screen, the height left as it is.
ui::TwipsRect docked(int screenWidth, ui::TwipsRect window);

} // namespace menu
