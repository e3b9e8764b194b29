#include "ui/CaptionRoom.h"

#include <algorithm>

namespace ui
{

int captionRoom(const QRect &place, int lineHeight, const std::vector<QRect> &above)
{
    const QRect firstLine(place.left(), place.top(), place.width(), std::min(lineHeight, place.height()));
    int room = place.width();
    for (const QRect &control : above)
        if (control.left() > place.left() && control.intersects(firstLine))
            room = std::min(room, control.left() - place.left() - 1);
    return std::max(room, 0);
}

int captionStretch(const std::function<double(int stretch)> &widthAt, int room)
{
    for (int stretch = 100; stretch >= MinimumCaptionStretch; --stretch)
        if (widthAt(stretch) <= room)
            return stretch;
    return 0;
}

} // namespace ui
