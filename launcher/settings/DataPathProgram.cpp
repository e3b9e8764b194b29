#include "launcher/settings/DataPathProgram.h"

#include "platform/CaseResolution.h"
#include "platform/Files.h"
#include "platform/PathRules.h"

namespace settings
{

bool Existe_Appli(const QString &folder, const QString &product, const QString &program)
{
    const platform::PathSyntax posix = platform::PathSyntax::posix();
    const QString productFolder = folder + posix.joiner() + product + posix.joiner();
    // The listing fails on a folder that cannot be read; a missing one simply holds nothing.
    if (program.isEmpty() || platform::fileMatches(productFolder + QStringLiteral("*")).isEmpty())
        return false;
    return platform::isOrdinaryFile(platform::resolveProgram(productFolder + program));
}

} // namespace settings
