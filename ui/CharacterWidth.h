#pragma once

#include <QFontMetricsF>

namespace ui
{

// A width given in characters holds that many characters of the font. A character is the font's
// average character: the mean width of the letters A to Z and a to z, as the original measured it,
// wider than a "0" (a code of eight capitals fits in eleven).
double averageCharacterWidth(const QFontMetricsF &metrics);

// Pixels of a width of `characters` in that font, plus `margins` pixels around the text.
int characterWidthPixels(double characters, const QFontMetricsF &metrics, int margins);

} // namespace ui
