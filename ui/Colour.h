#pragma once

#include <QColor>
#include <QPalette>
#include <QString>
#include <cstdint>
#include <optional>

namespace ui
{

// A colour as the programs store it: 0x00BBGGRR (red in the lowest byte), or a system colour
// 0x80000000 | index, which is negative as a signed 32-bit number.
using ColourNumber = std::int32_t;

// Common system colours by their platform index.
inline constexpr ColourNumber systemColour(int index)
{
    return static_cast<ColourNumber>(0x80000000u | unsigned(index));
}
inline constexpr ColourNumber WindowBackground = systemColour(5);
inline constexpr ColourNumber WindowText = systemColour(8);
inline constexpr ColourNumber ButtonFace = systemColour(15);
inline constexpr ColourNumber ButtonText = systemColour(18);

bool isSystemColour(ColourNumber colour);

// The palette role that stands in for a system colour; nullopt for an ordinary colour or an unknown index.
std::optional<QPalette::ColorRole> systemColourRole(ColourNumber colour);

// Throws platform::Failure (380) for a number that is neither 0x00BBGGRR nor a known system colour.
QColor toQColor(ColourNumber colour, const QPalette &palette);
QColor toQColor(ColourNumber colour);
ColourNumber fromQColor(const QColor &colour);

inline constexpr ColourNumber rgb(int red, int green, int blue)
{
    return red | (green << 8) | (blue << 16);
}

// A colour given as text, the way a colour property accepts one: the number it holds
// (platform::int32FromText), or platform::Failure 13 (type mismatch) or 6 (overflow).
ColourNumber colourFromText(const QString &text);

} // namespace ui
