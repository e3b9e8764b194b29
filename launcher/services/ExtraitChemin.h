#pragma once

#include "platform/PathRules.h"

#include <QString>

namespace services
{

// The leading part of path up to and including its last separator ("\\" or ":" on Windows, "/" on
// Linux); "" when it holds none.
QString Extrait_Chemin(const QString &path,
                       const platform::PathSyntax &syntax = platform::PathSyntax::host());

} // namespace services
