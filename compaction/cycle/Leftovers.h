#pragma once

#include <QString>

namespace compaction
{

// Clears what killed runs of the suite left for one database, before it is compacted. The
// caller holds the database marked in use, so no other run of the suite works on these files
// meanwhile. Cleared:
// - the temporaries of the backup and of the work copy (storage::PendingFile::leftoversOf);
// - a name spelt like the source but for case that is a second name of the backup, left by the
//   swap by renames of earlier versions.
// The suite compacts in place and never names a work copy: a file at the work-copy path is
// someone else's, so it stays, and the database fails with TargetExists naming it as it lies on
// disk. source: the database file as it lies on disk. Throws platform::Failure.
void clearLeftovers(const QString &source, const QString &workCopy, const QString &backup);

} // namespace compaction
