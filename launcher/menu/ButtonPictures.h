#pragma once

#include <QIcon>
#include <QPixmap>

namespace menu
{

// The pictures of the menu's buttons, one per module and one for the tools.
enum class ButtonPicture {
    Quote,           // quotes and prices
    MadeToMeasure,   // made-to-measure orders
    Purchasing,      // purchasing
    TimeTracking,    // time tracking
    Stock,           // stock
    Manufacturing,   // standard manufacturing
    Vehicles,        // vehicles
    Scanner,         // stock withdrawal with a hand scanner
    BillOfMaterials, // bill-of-materials composer
    Tools,           // tools menu
};

// The picture drawn at size × size pixels on a transparent background.
QPixmap buttonPicture(ButtonPicture picture, int size);

// The launcher's window icon.
QIcon launcherIcon();

} // namespace menu
