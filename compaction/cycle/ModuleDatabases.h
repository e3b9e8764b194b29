#pragma once

#include <QString>
#include <QStringList>

namespace compaction
{

// The six module databases of the database folder, in the order they are tested.
const QStringList &moduleDatabaseNames();

// Whether a found file is a module database: its upper-cased name equals one of the six exactly.
bool isModuleDatabase(const QString &fileName);

} // namespace compaction
