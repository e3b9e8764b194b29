#pragma once

#include <QString>

namespace services
{

// Thrown when a start-up check ends the launcher after its message: the process must end at once,
// without unloading its windows and without its exit rules. It is no failure: nothing on the way
// treats it as one, and the program's main ends the process when it arrives there.
struct LauncherEnd {
    QString reason; // the message that was shown
};

} // namespace services
