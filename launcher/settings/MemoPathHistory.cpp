#include "launcher/settings/MemoPathHistory.h"

#include "platform/TextCase.h"

namespace settings
{

bool rememberServerFolder(storage::Database &database, const QString &schema, const QString &folder)
{
    const QString table = QStringLiteral("\"%1\".TMP_MEMOPATH").arg(schema);
    storage::QueryCursor history = database.openQuery(QStringLiteral("SELECT TMP_PATHBASES FROM ") + table);
    const QString wanted = platform::upperCase(folder);
    for (; !history.atEnd(); history.moveNext())
        if (platform::upperCase(history.value(0).toString()) == wanted)
            return false;
    database.execute(QStringLiteral("INSERT INTO %1 (TMP_PATHBASES) VALUES (?)").arg(table), {folder});
    return true;
}

} // namespace settings
