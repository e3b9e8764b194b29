#pragma once

#include "ui/MarkedButton.h"

class QCheckBox;

namespace ui
{

// Value 0 clear, 1 ticked, 2 greyed. A change of value, by the user or by the program, raises Click.
class CheckBox : public MarkedButton
{
public:
    CheckBox(Form &form, const ControlDesign &design);

    int value() const;
    void setValue(int value);

private:
    QCheckBox *box() const;
};

} // namespace ui
