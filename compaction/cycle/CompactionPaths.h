#pragma once

#include "platform/PathRules.h"

#include <QString>

namespace compaction
{

// The folder with one joining separator appended when its last character is not one; an empty
// folder becomes the separator alone.
QString normaliseFolder(const QString &folder, const platform::PathSyntax &syntax);

// The source path of a found file: the normalised folder as given followed by the upper-cased name.
QString sourcePath(const QString &normalisedFolder, const QString &fileName);

// The work copy and the backup derive from the whole upper-cased source path, every ".MDB" of it
// replaced (so a ".MDB" inside a folder name is replaced too).
QString workCopyPath(const QString &source);
QString backupPath(const QString &source);

} // namespace compaction
