#include "ui/ColourDialog.h"

#include "ui/InstalledService.h"
#include "ui/QtColourDialog.h"

namespace ui
{

ColourDialog &colourDialog()
{
    return InstalledService<ColourDialog>::current<QtColourDialog>();
}

ColourDialog *installColourDialog(ColourDialog *dialog)
{
    return InstalledService<ColourDialog>::install(dialog);
}

} // namespace ui
