#pragma once

#include "platform/PathRules.h"

#include <QString>
#include <optional>

namespace menu
{

// The window caption for a current directory: the text after its last separator (possibly empty), or
// nothing when it holds no separator, so the design caption stays.
std::optional<QString> captionForFolder(const QString &currentDirectory, const platform::PathSyntax &syntax);

// A folder as the launcher keeps it: the platform's text followed by one separator, so a root that
// already ends with one ends with two.
QString launcherFolder(const QString &folder, const platform::PathSyntax &syntax);

} // namespace menu
