#include "compaction/cycle/ModuleDatabases.h"

#include "platform/TextCase.h"

namespace compaction
{

const QStringList &moduleDatabaseNames()
{
    static const QStringList names{
        QStringLiteral("TORBSTOC.MDB"), QStringLiteral("TORBCOM.MDB"),  QStringLiteral("TORBAPRO.MDB"),
        QStringLiteral("TORBPRIX.MDB"), QStringLiteral("TORBPLAN.MDB"), QStringLiteral("TORBTECH.MDB"),
    };
    return names;
}

bool isModuleDatabase(const QString &fileName)
{
    return moduleDatabaseNames().contains(platform::upperCase(fileName));
}

} // namespace compaction
