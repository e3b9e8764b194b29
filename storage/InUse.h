#pragma once

#include <QString>

namespace storage
{

// Whether any Database object (of this process or another) holds the file open. Every open
// marks its file with a shared advisory lock on a byte that SQLite itself never locks.
bool isInUse(const QString &path);

} // namespace storage
