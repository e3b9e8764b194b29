#include "translation-editor/ContainsFunction.h"

#include "platform/Failure.h"
#include "storage/SqlFailure.h"

#include <QSqlDatabase>
#include <QSqlDriver>
#include <QVariant>
#include <sqlite3.h>

namespace peluvar
{

namespace
{

QString textArgument(sqlite3_value *value)
{
    const auto *bytes = reinterpret_cast<const char *>(sqlite3_value_text(value));
    return QString::fromUtf8(bytes, sqlite3_value_bytes(value));
}

void containsCall(sqlite3_context *context, int, sqlite3_value **arguments)
{
    if (sqlite3_value_type(arguments[0]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    sqlite3_result_int(context, containsIgnoringCase(textArgument(arguments[0]), textArgument(arguments[1])));
}

} // namespace

bool containsIgnoringCase(QStringView text, QStringView part)
{
    return text.contains(part, Qt::CaseInsensitive);
}

void installContainsFunction(const QSqlDatabase &database)
{
    const QVariant handle = database.driver() ? database.driver()->handle() : QVariant();
    auto *const *connection = static_cast<sqlite3 *const *>(handle.constData());
    if (qstrcmp(handle.typeName(), "sqlite3*") != 0 || !connection || !*connection)
        throw platform::Failure(
            QStringLiteral("La base %1 n'est pas une base SQLite").arg(database.databaseName()));
    const int result =
        sqlite3_create_function(*connection, ContainsFunctionName.toUtf8().constData(), 2,
                                SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, containsCall, nullptr, nullptr);
    if (result != SQLITE_OK)
        throw storage::sqlFailure(*connection);
}

} // namespace peluvar
