#pragma once

#include <QRect>
#include <functional>
#include <vector>

namespace ui
{

// The width of a label's place that the controls stacked above it leave to its caption: one that
// starts inside the place, right of its left edge, and overlaps the caption's first line (from the
// place's top, lineHeight high) ends the room a pixel before it. All in the container's pixels.
int captionRoom(const QRect &place, int lineHeight, const std::vector<QRect> &above);

// Smallest font stretch, in percent, down to which a one-line caption is condensed to fit its room
// rather than wrapped: the substituted fonts draw a few pixels wider than the original's.
inline constexpr int MinimumCaptionStretch = 90;

// The stretch that sets a caption on one line within room, given its width at a stretch: 100 when
// it fits as it is, else the largest that fits down to MinimumCaptionStretch; 0 when even that is
// too wide (the caption then wraps).
int captionStretch(const std::function<double(int stretch)> &widthAt, int room);

} // namespace ui
