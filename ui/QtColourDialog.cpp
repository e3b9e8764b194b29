#include "ui/QtColourDialog.h"

#include "ui/KeyboardReturn.h"

#include <QColorDialog>

namespace ui
{

std::optional<ColourNumber> QtColourDialog::choose(ColourNumber colour)
{
    const KeyboardReturn keyboardReturn;
    const QColor chosen = QColorDialog::getColor(toQColor(colour), keyboardReturn.owner());
    if (!chosen.isValid())
        return std::nullopt;
    return fromQColor(chosen);
}

} // namespace ui
