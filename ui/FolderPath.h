#pragma once

#include <QString>

namespace ui
{

// The folder a path names, resolved ignoring case (a relative one against the current directory):
// absolute, in the case found on disk, without a final "/" except at the root. Throws
// platform::Failure (76) when the path names no folder.
QString existingFolder(const QString &path);

} // namespace ui
