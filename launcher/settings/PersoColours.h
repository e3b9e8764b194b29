#pragma once

#include "launcher/services/Couleur.h"
#include "launcher/services/MenuConfig.h"
#include "ui/Colour.h"

namespace ui
{
class Form;
}

namespace settings
{

class PersoForm;

// The three colours of the personalisation, as the window shows them.
struct PersoColours {
    ui::ColourNumber menuBack;
    ui::ColourNumber buttonBack;
    ui::ColourNumber buttonText;
    bool operator==(const PersoColours &) const = default;
};

// A launcher colour as a colour number: a number as it is, a text read from menuconfig.ini as the
// colour it spells. Nothing, or a text that is no colour, throws platform::Failure (13).
ui::ColourNumber colourNumber(const services::Couleur &colour);
PersoColours persoColours(const services::Couleur &menuBack, const services::Couleur &buttonBack,
                          const services::Couleur &buttonText);

// The preview: the window's back colour is the menu background, the sample button's colours are
// the 3-D buttons' ones.
PersoColours shownColours(const PersoForm &form);
void showColours(PersoForm &form, const PersoColours &colours);

// The colours as menuconfig.ini holds them.
services::MenuColours menuColours(const PersoColours &colours);

// Paints the colours onto the main menu: its back colour and every 3-D button's back colour, and
// the text colour of each but the one whose text reads "OUTILS" in any case.
void paintMenu(ui::Form &menu, const PersoColours &colours);

} // namespace settings
