#pragma once

#include "storage/SqlFailure.h"

#include <QString>
#include <QVariant>
#include <QVariantList>
#include <sqlite3.h>

namespace storage
{

// An invalid or null QVariant binds SQL Null; a QString (even empty) binds text.
void bindValue(sqlite3_stmt *statement, int position, const QVariant &value);
void bindValues(sqlite3_stmt *statement, const QVariantList &values, int firstPosition = 1);

// SQL Null reads as an invalid QVariant, text as QString, integers as qlonglong.
QVariant columnValue(sqlite3_stmt *statement, int column);

// A name between double quotes, its quotes doubled: table, field and index names.
QString quoted(const QString &identifier);

} // namespace storage
