#pragma once

#include "ui/Colour.h"

#include <optional>

namespace ui
{

// The common dialog's colour choice: a wait on the user, so that tests can answer it.
class ColourDialog
{
public:
    virtual ~ColourDialog() = default;

    // Shows the choice starting from colour; the colour chosen, or nullopt when the user cancelled.
    virtual std::optional<ColourNumber> choose(ColourNumber colour) = 0;
};

// The colour dialog the program uses: the Qt one unless a test installed its own.
ColourDialog &colourDialog();
// Installs a colour dialog for the program (null restores the Qt one); returns the previous one.
ColourDialog *installColourDialog(ColourDialog *dialog);

} // namespace ui
