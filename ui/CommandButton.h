#pragma once

#include "ui/ButtonControl.h"

namespace ui
{

class CommandButton : public ButtonControl
{
public:
    CommandButton(Form &form, const ControlDesign &design);

    bool clickedByEnter() const override { return true; }
};

} // namespace ui
