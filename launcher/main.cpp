#include "launcher/menu/Menuprod.h"
#include "launcher/services/LauncherEnd.h"
#include "platform/Clock.h"
#include "platform/Files.h"
#include "platform/KeySenderX11.h"
#include "platform/Processes.h"
#include "platform/ShellXdg.h"
#include "platform/WindowActivationX11.h"
#include "platform/WindowListX11.h"
#include "ui/Program.h"

#include <QApplication>

// The launcher has no start procedure of its own: showing its main menu runs the whole start-up.
int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    services::SharedState state;
    services::Traduction traduction(state);
    platform::SystemProcessStarter starter;
    platform::X11WindowActivator activator;
    platform::X11WindowList windows;
    platform::X11KeySender keys;
    platform::XdgShell shell(starter);
    platform::SystemClock clock;
    menu::Menuprod menuprod(
        {state, traduction, starter, activator, windows, keys, shell, clock, platform::programFolder()});
    try {
        return ui::runProgram([&menuprod] { menuprod.form().show(); });
    } catch (const services::LauncherEnd &) {
        // The start-up has shown why it stops.
        return 1;
    }
}
