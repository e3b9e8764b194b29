#pragma once

#include "ui/Twips.h"

#include <QString>

namespace ui
{

class Control;

// Scroll bars a multi-line text box shows; one with a horizontal bar does not wrap its lines.
enum class ScrollBars { None, Horizontal, Vertical, Both };

// One row of a form's design table, given to Form::add, for example
//   form.add<ThreeDButton>({"CMD_Prix", {0, 60, 2355, 795}, "Devis", 0});
//   form.add<TextBox>(ControlDesign("CTX_PROD", {1770, 180, 2055, 375}).inside(frame));
// What is left out keeps the kind's default.
struct ControlDesign {
    ControlDesign(const QString &controlName, const TwipsRect &designPlace = {},
                  const QString &designText = {}, int designTabIndex = -1, const QString &designToolTip = {})
        : name(controlName), place(designPlace), text(designText), toolTip(designToolTip),
          tabIndex(designTabIndex)
    {
    }

    // In a frame or picture box rather than on the form.
    ControlDesign &inside(Control &frame)
    {
        container = &frame;
        return *this;
    }
    // Element of a control array.
    ControlDesign &element(int arrayIndex)
    {
        index = arrayIndex;
        return *this;
    }
    // Hidden from the start, so that nothing is laid out for it first.
    ControlDesign &hidden()
    {
        visible = false;
        return *this;
    }
    // Text boxes only: several lines, with a vertical scroll bar unless told otherwise.
    ControlDesign &severalLines(ScrollBars bars = ScrollBars::Vertical)
    {
        multiLine = true;
        scrollBars = bars;
        return *this;
    }

    QString name;
    TwipsRect place;
    QString text; // Caption, or Text for text boxes and 3-D buttons
    QString toolTip;
    int tabIndex = -1;
    int index = -1;               // -1 for a plain control
    Control *container = nullptr; // the form when null
    bool multiLine = false;
    ScrollBars scrollBars = ScrollBars::None;
    bool visible = true;
};

} // namespace ui
