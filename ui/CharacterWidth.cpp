#include "ui/CharacterWidth.h"

#include <cmath>

namespace ui
{

double averageCharacterWidth(const QFontMetricsF &metrics)
{
    static const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    return metrics.horizontalAdvance(letters) / letters.size();
}

int characterWidthPixels(double characters, const QFontMetricsF &metrics, int margins)
{
    return static_cast<int>(std::ceil(characters * averageCharacterWidth(metrics))) + margins;
}

} // namespace ui
