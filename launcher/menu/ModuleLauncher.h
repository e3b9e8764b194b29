#pragma once

#include "launcher/menu/MenuContext.h"
#include "launcher/menu/ModuleTable.h"

namespace menu
{

// A module button's launcher: brings the module forward when the one it started still runs, else
// starts its program from the program folder inside the module's folder of the data folder and
// records its task id. A folder or program that cannot be reached is reported and nothing is recorded.
void launchModule(const MenuContext &context, const ModuleRow &row);

} // namespace menu
