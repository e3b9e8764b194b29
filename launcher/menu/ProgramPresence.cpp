#include "launcher/menu/ProgramPresence.h"

#include "platform/CaseResolution.h"
#include "platform/Files.h"

namespace menu
{

bool programPresent(const QString &path)
{
    return !platform::fileMatches(platform::resolveProgram(path)).isEmpty();
}

} // namespace menu
