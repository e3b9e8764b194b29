#pragma once

#include "ui/ButtonControl.h"

namespace ui
{

// Option buttons of one container exclude each other. Becoming selected raises Click.
class OptionButton : public ButtonControl
{
public:
    OptionButton(Form &form, const ControlDesign &design);

    bool value() const;
    void setValue(bool value);
};

} // namespace ui
