#include "ui/ThreeDButtonLayout.h"

#include <algorithm>

namespace ui
{

int threeDContentTop(int buttonHeight, int pictureHeight, int lineCount, int lineHeight)
{
    const int gap = pictureHeight > 0 && lineCount > 0 ? ThreeDPictureGap : 0;
    const int contentHeight = pictureHeight + gap + lineHeight * lineCount;
    return std::max(0, (buttonHeight - contentHeight) / 2);
}

} // namespace ui
