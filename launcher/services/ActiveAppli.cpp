#include "launcher/services/ActiveAppli.h"

namespace services
{

bool Active_Appli(SharedState &etat, platform::WindowActivator &activation, int slot)
{
    qint64 &taskId = etat.Tab_Taches.at(static_cast<size_t>(slot));
    if (activation.activate(taskId))
        return true;
    taskId = 0;
    return false;
}

} // namespace services
