#include "ui/MarkedButton.h"

#include <QAbstractButton>

namespace ui
{

void MarkedButton::showGeometry()
{
    QRect shown = toPixels(geometry(), logicalDpi());
    const int missing = button()->minimumSizeHint().height() - shown.height();
    if (missing > 0)
        shown.adjust(0, -missing / 2, 0, missing - missing / 2);
    button()->setGeometry(shown);
}

void MarkedButton::showFont()
{
    ButtonControl::showFont();
    showGeometry(); // the font sets the height needed
}

} // namespace ui
