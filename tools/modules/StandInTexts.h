#pragma once

#include <QString>

namespace tools
{

// The window title of the stand-in started under this program name: it holds the module's title
// word, so that the launcher's force-close finds it as it would find the real module.
QString standInTitle(const QString &programName);

// The text the stand-in window shows: which module it stands in for, and where it was started.
QString standInText(const QString &programName, const QString &currentDirectory);

} // namespace tools
