#pragma once

#include "ui/MarkedButton.h"

namespace ui
{

// Option buttons of one container exclude each other. Becoming selected raises Click.
class OptionButton : public MarkedButton
{
public:
    OptionButton(Form &form, const ControlDesign &design);

    bool value() const;
    void setValue(bool value);
};

} // namespace ui
