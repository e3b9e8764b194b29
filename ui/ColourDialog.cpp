#include "ui/ColourDialog.h"

#include "ui/QtColourDialog.h"

namespace ui
{

namespace
{
ColourDialog *installed = nullptr;
}

ColourDialog &colourDialog()
{
    static QtColourDialog qtDialog;
    return installed ? *installed : qtDialog;
}

ColourDialog *installColourDialog(ColourDialog *dialog)
{
    ColourDialog *previous = installed;
    installed = dialog;
    return previous;
}

} // namespace ui
