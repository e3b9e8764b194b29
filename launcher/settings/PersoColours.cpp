#include "launcher/settings/PersoColours.h"

#include "launcher/settings/PersoForm.h"
#include "platform/Failure.h"
#include "platform/TextCase.h"

namespace settings
{

ui::ColourNumber colourNumber(const services::Couleur &colour)
{
    if (const auto *number = std::get_if<qint32>(&colour))
        return *number;
    if (const auto *text = std::get_if<QString>(&colour))
        return ui::colourFromText(*text);
    throw platform::Failure(QStringLiteral("Incompatibilité de type"), 13);
}

PersoColours persoColours(const services::Couleur &menuBack, const services::Couleur &buttonBack,
                          const services::Couleur &buttonText)
{
    return {colourNumber(menuBack), colourNumber(buttonBack), colourNumber(buttonText)};
}

PersoColours shownColours(const PersoForm &form)
{
    return {form.backColour(), form.sample().backColour(), form.sample().foreColour()};
}

void showColours(PersoForm &form, const PersoColours &colours)
{
    form.setBackColour(colours.menuBack);
    form.sample().setBackColour(colours.buttonBack);
    form.sample().setForeColour(colours.buttonText);
}

services::MenuColours menuColours(const PersoColours &colours)
{
    return {qint32(colours.menuBack), qint32(colours.buttonBack), qint32(colours.buttonText)};
}

void paintMenu(ui::Form &menu, const PersoColours &colours)
{
    menu.setBackColour(colours.menuBack);
    for (ui::Control *control : menu.controls()) {
        if (control->kind() != ui::ControlKind::ThreeDButton)
            continue;
        control->setBackColour(colours.buttonBack);
        // The tools button keeps its text colour while it shows its French caption.
        if (platform::upperCase(control->text()) != QStringLiteral("OUTILS"))
            control->setForeColour(colours.buttonText);
    }
}

} // namespace settings
