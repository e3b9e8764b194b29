#include "ui/ControlFont.h"

namespace ui
{

namespace
{

// The forms are designed in MS Sans Serif, a Windows font. Left to the font configuration it becomes
// a wider face whose captions no longer fit the widths they were designed for; Liberation Sans has
// Arial's metrics, the nearest to it here.
void substituteWindowsFonts()
{
    static const bool substituted = [] {
        QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
        return true;
    }();
    (void)substituted;
}

} // namespace

QFont toQFont(const ControlFont &font)
{
    substituteWindowsFonts();
    QFont qfont(font.name);
    qfont.setPointSizeF(font.size);
    qfont.setBold(font.bold);
    qfont.setUnderline(font.underline);
    return qfont;
}

} // namespace ui
