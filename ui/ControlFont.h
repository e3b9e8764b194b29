#pragma once

#include <QFont>
#include <QString>

namespace ui
{

// A control's font as the programs see it. The character set is kept for those who read it back;
// Qt fonts have none, so drawing ignores it.
struct ControlFont {
    QString name = QStringLiteral("MS Sans Serif");
    double size = 8.25;
    bool bold = false;
    bool underline = false;
    int charset = 0;
    bool operator==(const ControlFont &) const = default;
};

QFont toQFont(const ControlFont &font);

} // namespace ui
