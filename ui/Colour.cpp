#include "ui/Colour.h"

#include "platform/Failure.h"
#include "platform/NumberText.h"

#include <QApplication>
#include <array>

namespace ui
{

namespace
{

constexpr std::uint32_t SystemFlag = 0x80000000u;

// Platform colour indexes 0 to 24 and the palette roles that play their part here.
constexpr std::array<QPalette::ColorRole, 25> SystemRoles = {
    QPalette::Button,          // 0 scroll bar
    QPalette::Dark,            // 1 desktop
    QPalette::Highlight,       // 2 active caption
    QPalette::Mid,             // 3 inactive caption
    QPalette::Window,          // 4 menu
    QPalette::Base,            // 5 window background
    QPalette::Shadow,          // 6 window frame
    QPalette::WindowText,      // 7 menu text
    QPalette::Text,            // 8 window text
    QPalette::HighlightedText, // 9 caption text
    QPalette::Button,          // 10 active border
    QPalette::Button,          // 11 inactive border
    QPalette::Dark,            // 12 application workspace
    QPalette::Highlight,       // 13 highlight
    QPalette::HighlightedText, // 14 highlighted text
    QPalette::Button,          // 15 button face
    QPalette::Dark,            // 16 button shadow
    QPalette::PlaceholderText, // 17 grey text
    QPalette::ButtonText,      // 18 button text
    QPalette::WindowText,      // 19 inactive caption text
    QPalette::Light,           // 20 button highlight
    QPalette::Shadow,          // 21 3-D dark shadow
    QPalette::Midlight,        // 22 3-D light
    QPalette::ToolTipText,     // 23 tool tip text
    QPalette::ToolTipBase,     // 24 tool tip background
};

std::uint32_t bits(ColourNumber colour)
{
    return static_cast<std::uint32_t>(colour);
}

platform::Failure invalidColour()
{
    return platform::Failure(QStringLiteral("Valeur de propriété non valide"), 380);
}

} // namespace

bool isSystemColour(ColourNumber colour)
{
    return (bits(colour) & SystemFlag) != 0;
}

std::optional<QPalette::ColorRole> systemColourRole(ColourNumber colour)
{
    if (!isSystemColour(colour))
        return std::nullopt;
    const std::uint32_t index = bits(colour) & ~SystemFlag;
    if (index >= SystemRoles.size())
        return std::nullopt;
    return SystemRoles[index];
}

QColor toQColor(ColourNumber colour, const QPalette &palette)
{
    if (isSystemColour(colour)) {
        const auto role = systemColourRole(colour);
        if (!role)
            throw invalidColour();
        return palette.color(QPalette::Active, *role);
    }
    if (bits(colour) > 0xFFFFFFu)
        throw invalidColour();
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

QColor toQColor(ColourNumber colour)
{
    return toQColor(colour, QApplication::palette());
}

ColourNumber fromQColor(const QColor &colour)
{
    return rgb(colour.red(), colour.green(), colour.blue());
}

ColourNumber colourFromText(const QString &text)
{
    return platform::int32FromText(text);
}

} // namespace ui
