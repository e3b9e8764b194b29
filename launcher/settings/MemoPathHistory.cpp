#include "launcher/settings/MemoPathHistory.h"

namespace settings
{

bool rememberServerFolder(storage::Database &bdloc, const QString &folder)
{
    storage::TableCursor history = bdloc.openTable(QStringLiteral("TMP_MEMOPATH"));
    const QString wanted = folder.toUpper();
    for (; !history.atEnd(); history.moveNext())
        if (history.value(QStringLiteral("TMP_PATHBASES")).toString().toUpper() == wanted)
            return false;
    history.addNew();
    history.setValue(QStringLiteral("TMP_PATHBASES"), folder);
    history.update();
    return true;
}

} // namespace settings
