#pragma once

#include "launcher/services/SharedState.h"
#include "launcher/services/Traduction.h"
#include "platform/KeySender.h"
#include "ui/Form.h"

namespace settings
{

// What the settings windows work with: the launcher's shared state and translation, the keystroke
// sender, and the loaded menu window (the personalisation paints its preview colours on it).
struct SettingsContext {
    services::SharedState &state;
    services::Traduction &traduction;
    platform::KeySender &keys;
    ui::Form &menu;
};

} // namespace settings
