#pragma once

#include "ui/ButtonControl.h"

namespace ui
{

// A button with a mark beside its caption: check box or option button. However low its place, it
// is drawn at least as high as the style needs for the mark and a line of the caption, centred on
// its place, so that neither the mark nor the descenders are cut off. Its place in twips stays as set.
class MarkedButton : public ButtonControl
{
protected:
    using ButtonControl::ButtonControl;

    void showGeometry() override;
    void showFont() override;
};

} // namespace ui
