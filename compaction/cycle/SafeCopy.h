#pragma once

#include <QString>

namespace compaction
{

// Copies the file to a temporary of its own beside the target, flushes it and renames it to the
// target without replacing anything: the target name appears only complete, and a copy that
// fails leaves nothing behind. Keeps the source's permission bits. Throws platform::Failure,
// when the target exists among others.
void copyFileSafely(const QString &source, const QString &target);

} // namespace compaction
