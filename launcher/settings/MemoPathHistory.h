#pragma once

#include "storage/Database.h"

#include <QString>

namespace settings
{

// The server folders applied on this workstation, newest first, for the history list.
inline const QString kMemoPathRecordSource =
    QStringLiteral("select * from TMP_MEMOPATH order by TMP_NUM DESC;");

// Adds the folder to TMP_MEMOPATH of BDLOC.MDB, reached as the schema of the database ("main"
// when it is BDLOC.MDB itself, else the name it is attached under), unless a row holds it
// already, letter case aside; gives whether a row was added. Throws platform::Failure.
bool rememberServerFolder(storage::Database &database, const QString &schema, const QString &folder);

} // namespace settings
