#pragma once

#include <QString>

namespace menu
{

// Whether the program file exists as an ordinary file, its name resolved ignoring case and, for a
// name ending in ".exe", also without that ending.
bool programPresent(const QString &path);

} // namespace menu
