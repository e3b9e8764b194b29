#pragma once

#include "launcher/services/SharedState.h"

namespace ui
{
class TextBox;
}

namespace autocompact
{

// The unattended run: normalises CheminMDB in place, then compacts the module databases of that
// folder, the lines of the run going on top of the status box, whose whole text finally becomes
// the outcome ("Aucune base trouvée !!!" when no file matches). Shows nothing else.
void CompactageAuto(services::SharedState &state, ui::TextBox &statusBox);

} // namespace autocompact
