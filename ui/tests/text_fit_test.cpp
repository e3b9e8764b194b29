#include "ui/CharacterWidth.h"
#include "ui/ControlFont.h"
#include "ui/tests/QtPrinters.h"

#include <gtest/gtest.h>

namespace
{

QFontMetricsF metricsOf(const ui::ControlFont &font)
{
    return QFontMetricsF(ui::toQFont(font));
}

// A product code of eight capitals fits in the eleven characters of the data-path window's column, in
// the fonts the windows are designed in; a character is wider than a "0".
TEST(CharacterWidth, EightCapitalsFitInElevenCharactersOfTheWindowsFonts)
{
    const ui::ControlFont fonts[] = {
        {QStringLiteral("Arial"), 8.25, false, false, 0},
        {QStringLiteral("Arial"), 8.25, true, false, 0},
        {QStringLiteral("MS Sans Serif"), 8.25, false, false, 0},
        {QStringLiteral("Arial"), 9.75, true, false, 0},
    };
    const QString codes[] = {QStringLiteral("TORBSTOC"), QStringLiteral("TORBAPRO"),
                             QStringLiteral("TORBPLAN"), QStringLiteral("TORBTECH"),
                             QStringLiteral("TORBTRAD"), QStringLiteral("MODELES")};
    for (const ui::ControlFont &font : fonts) {
        const QFontMetricsF metrics = metricsOf(font);
        EXPECT_GT(ui::averageCharacterWidth(metrics), metrics.horizontalAdvance(QLatin1Char('0')))
            << font.name.toStdString() << ' ' << font.size;
        for (const QString &code : codes)
            EXPECT_LE(metrics.horizontalAdvance(code), ui::characterWidthPixels(11, metrics, 0))
                << code.toStdString() << " in " << font.name.toStdString() << ' ' << font.size;
    }
}

} // namespace
