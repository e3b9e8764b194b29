#include "storage/FolderTable.h"

namespace storage
{

namespace
{

const QString kKeyIndex = QStringLiteral("PrimaryKey");

std::optional<QString> nullableText(const QVariant &value)
{
    if (value.isNull())
        return std::nullopt;
    return value.toString();
}

TableCursor openInKeyOrder(Database &database)
{
    TableCursor cursor = database.openTable(kFolderTable, Access::ReadOnly);
    cursor.setIndex(kKeyIndex);
    return cursor;
}

} // namespace

FolderRow folderRowAt(const TableCursor &cursor)
{
    FolderRow row;
    row.number = cursor.value(QStringLiteral("TPATH_NUM")).toInt();
    row.product = cursor.value(QStringLiteral("TPATH_PROD")).toString();
    row.path = nullableText(cursor.value(QStringLiteral("TPATH_PATH")));
    row.programName = nullableText(cursor.value(QStringLiteral("TPATH_NOMEXE")));
    row.databaseName = nullableText(cursor.value(QStringLiteral("TPATH_NOMMDB")));
    row.status = cursor.value(QStringLiteral("TPATH_STATUS")).toString();
    row.network = cursor.value(QStringLiteral("TPATH_RESEAU")).toString();
    return row;
}

std::optional<FolderRow> firstFolderRow(Database &database)
{
    const TableCursor cursor = openInKeyOrder(database);
    if (cursor.atEnd())
        return std::nullopt;
    return folderRowAt(cursor);
}

std::optional<FolderRow> folderRowByKey(Database &database, int key)
{
    TableCursor cursor = openInKeyOrder(database);
    if (!cursor.seek(SeekOperator::Equal, {key}))
        return std::nullopt;
    return folderRowAt(cursor);
}

QList<FolderRow> folderRowsInKeyOrder(Database &database)
{
    QList<FolderRow> rows;
    for (TableCursor cursor = openInKeyOrder(database); !cursor.atEnd(); cursor.moveNext())
        rows.append(folderRowAt(cursor));
    return rows;
}

} // namespace storage
