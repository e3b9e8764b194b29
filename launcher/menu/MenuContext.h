#pragma once

#include "launcher/services/SharedState.h"
#include "launcher/services/Traduction.h"
#include "platform/Clock.h"
#include "platform/KeySender.h"
#include "platform/Processes.h"
#include "platform/Shell.h"
#include "platform/WindowActivation.h"
#include "platform/WindowList.h"

namespace menu
{

// What the menu's procedures work with: the launcher's shared state and translation, and the
// platform's processes, windows, keys, opener and clock, which tests replace.
struct MenuContext {
    services::SharedState &state;
    services::Traduction &traduction;
    platform::ProcessStarter &starter;
    platform::WindowActivator &activator;
    platform::WindowList &windows;
    platform::KeySender &keys;
    platform::Shell &shell;
    const platform::Clock &clock;
    // The folder that holds the launcher's program file (platform::programFolder() in the program).
    QString programFolder;

    QString TRAD(const QString &texte) const { return traduction.TRAD(texte); }
    // Active_Appli on a slot of the task table.
    bool activeAppli(int slot) const;
};

} // namespace menu
