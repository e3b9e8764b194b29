#pragma once

#include <QRect>
#include <QSize>

namespace ui
{

// Design lengths are in twips: 1440 a logical inch, so 15 a pixel at 96 dpi.
inline constexpr double TwipsPerInch = 1440.0;

struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const TwipsRect &) const = default;
};

// The logical dpi of the primary screen (96 when there is none).
double logicalDpi();

int twipsToPixels(int twips, double dpi);
int pixelsToTwips(int pixels, double dpi);
int twipsToPixels(int twips);
int pixelsToTwips(int pixels);
QRect toPixels(const TwipsRect &rect, double dpi);
TwipsRect toTwips(const QRect &rect, double dpi);

// The primary screen's full size in twips (Screen.Width and Screen.Height).
int screenWidth();
int screenHeight();

} // namespace ui
