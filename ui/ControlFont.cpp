#include "ui/ControlFont.h"

namespace ui
{

QFont toQFont(const ControlFont &font)
{
    QFont qfont(font.name);
    qfont.setPointSizeF(font.size);
    qfont.setBold(font.bold);
    qfont.setUnderline(font.underline);
    return qfont;
}

} // namespace ui
