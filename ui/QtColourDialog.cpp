#include "ui/QtColourDialog.h"

#include <QApplication>
#include <QColorDialog>

namespace ui
{

std::optional<ColourNumber> QtColourDialog::choose(ColourNumber colour)
{
    const QColor chosen = QColorDialog::getColor(toQColor(colour), QApplication::activeWindow());
    if (!chosen.isValid())
        return std::nullopt;
    return fromQColor(chosen);
}

} // namespace ui
