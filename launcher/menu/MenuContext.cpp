#include "launcher/menu/MenuContext.h"

#include "launcher/services/ActiveAppli.h"

namespace menu
{

bool MenuContext::activeAppli(int slot) const
{
    return services::Active_Appli(state, activator, slot);
}

} // namespace menu
