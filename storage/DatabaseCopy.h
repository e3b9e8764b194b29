#pragma once

#include <QString>

namespace storage
{

class PendingFile;
class RawConnection;

// Copies the open database, as it stands, into the pending file (empty), with the permission
// bits of the database file. A read is held meanwhile, so the copy is one committed state: in
// rollback-journal mode the file's bytes, which no connection changes while a read is held; in
// WAL mode, whose last commits may lie in the WAL file, its pages through the engine. The file's
// bytes are read through a descriptor of the in-use marks (OpenFileRegistry.h), so the database
// must be marked in use by this process. Throws platform::Failure.
void copyDatabase(const RawConnection &database, const QString &databasePath, PendingFile &copy);

} // namespace storage
