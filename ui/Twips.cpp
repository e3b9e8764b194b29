#include "ui/Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace ui
{

double logicalDpi()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInch() : 96.0;
}

int twipsToPixels(int twips, double dpi)
{
    return static_cast<int>(std::lround(twips * dpi / TwipsPerInch));
}

int pixelsToTwips(int pixels, double dpi)
{
    return static_cast<int>(std::lround(pixels * TwipsPerInch / dpi));
}

int twipsToPixels(int twips)
{
    return twipsToPixels(twips, logicalDpi());
}

int pixelsToTwips(int pixels)
{
    return pixelsToTwips(pixels, logicalDpi());
}

QRect toPixels(const TwipsRect &rect, double dpi)
{
    return QRect(twipsToPixels(rect.left, dpi), twipsToPixels(rect.top, dpi), twipsToPixels(rect.width, dpi),
                 twipsToPixels(rect.height, dpi));
}

TwipsRect toTwips(const QRect &rect, double dpi)
{
    return {pixelsToTwips(rect.x(), dpi), pixelsToTwips(rect.y(), dpi), pixelsToTwips(rect.width(), dpi),
            pixelsToTwips(rect.height(), dpi)};
}

namespace
{
QSize screenPixels()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize(1024, 768);
}
} // namespace

int screenWidth()
{
    return pixelsToTwips(screenPixels().width());
}

int screenHeight()
{
    return pixelsToTwips(screenPixels().height());
}

} // namespace ui
