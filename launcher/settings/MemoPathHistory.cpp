#include "launcher/settings/MemoPathHistory.h"

#include "platform/TextCase.h"

namespace settings
{

bool rememberServerFolder(storage::Database &bdloc, const QString &folder)
{
    storage::TableCursor history = bdloc.openTable(QStringLiteral("TMP_MEMOPATH"));
    const QString wanted = platform::upperCase(folder);
    for (; !history.atEnd(); history.moveNext())
        if (platform::upperCase(history.value(QStringLiteral("TMP_PATHBASES")).toString()) == wanted)
            return false;
    history.addNew();
    history.setValue(QStringLiteral("TMP_PATHBASES"), folder);
    history.update();
    return true;
}

} // namespace settings
