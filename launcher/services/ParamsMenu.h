#pragma once

#include "launcher/services/SharedState.h"

namespace services
{

// The current menu colours: the defaults, overridden by the menuconfig.ini of the live current
// directory, which is created with the defaults when missing. A failure is reported in a message
// box and leaves the colours reached so far.
void Init_Params_Menu(SharedState &etat);

} // namespace services
