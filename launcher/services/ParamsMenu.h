#pragma once

#include "launcher/services/SharedState.h"

namespace services
{

// The current menu colours: the defaults, overridden by the menuconfig.ini of the live current
// directory, which is created with the defaults when missing. A failure (the file unreadable, or
// not created: the start-up then goes on without it) is reported in a message box with the stage
// and the file, and leaves the colours reached so far.
void Init_Params_Menu(SharedState &etat);

} // namespace services
