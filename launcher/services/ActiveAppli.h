#pragma once

#include "launcher/services/SharedState.h"
#include "platform/WindowActivation.h"

namespace services
{

// Brings the program recorded in Tab_Taches(slot) to the front; true when it could be activated.
// Otherwise (slot 0, ended program, no window) the slot is cleared and the answer is false,
// silently. slot lies in 0 to 20.
bool Active_Appli(SharedState &etat, platform::WindowActivator &activation, int slot);

} // namespace services
