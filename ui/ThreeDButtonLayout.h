#pragma once

namespace ui
{

// Gap in pixels between a 3-D button's picture and its first caption line.
inline constexpr int ThreeDPictureGap = 2;

// Top in pixels of a 3-D button's content (the picture, then the caption lines), centred in the
// button's height; content taller than the button starts at its top rather than above it.
int threeDContentTop(int buttonHeight, int pictureHeight, int lineCount, int lineHeight);

} // namespace ui
