#pragma once

#include "ui/ColourDialog.h"

namespace ui
{

// The modal QColorDialog over the active window.
class QtColourDialog : public ColourDialog
{
public:
    std::optional<ColourNumber> choose(ColourNumber colour) override;
};

} // namespace ui
