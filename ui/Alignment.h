#pragma once

#include <Qt>

namespace ui
{

enum class Alignment { Left, Right, Centre };

Qt::Alignment toQtAlignment(Alignment alignment);

} // namespace ui
