#include "storage/SqliteValues.h"

#include <QByteArray>

namespace storage
{

void bindValue(sqlite3_stmt *statement, int position, const QVariant &value)
{
    if (!value.isValid() || value.isNull()) {
        sqlite3_bind_null(statement, position);
        return;
    }
    switch (value.typeId()) {
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Long:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        sqlite3_bind_int64(statement, position, value.toLongLong());
        return;
    case QMetaType::Double:
    case QMetaType::Float:
        sqlite3_bind_double(statement, position, value.toDouble());
        return;
    case QMetaType::QByteArray: {
        const QByteArray bytes = value.toByteArray();
        sqlite3_bind_blob64(statement, position, bytes.constData(), bytes.size(), SQLITE_TRANSIENT);
        return;
    }
    default: {
        const QByteArray text = value.toString().toUtf8();
        sqlite3_bind_text64(statement, position, text.constData(), text.size(), SQLITE_TRANSIENT,
                            SQLITE_UTF8);
    }
    }
}

void bindValues(sqlite3_stmt *statement, const QVariantList &values, int firstPosition)
{
    for (int i = 0; i < values.size(); ++i)
        bindValue(statement, firstPosition + i, values[i]);
}

QVariant columnValue(sqlite3_stmt *statement, int column)
{
    switch (sqlite3_column_type(statement, column)) {
    case SQLITE_INTEGER:
        return QVariant(static_cast<qlonglong>(sqlite3_column_int64(statement, column)));
    case SQLITE_FLOAT:
        return QVariant(sqlite3_column_double(statement, column));
    case SQLITE_BLOB:
        return QVariant(QByteArray(static_cast<const char *>(sqlite3_column_blob(statement, column)),
                                   sqlite3_column_bytes(statement, column)));
    case SQLITE_TEXT:
        return QVariant(
            QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(statement, column)),
                              sqlite3_column_bytes(statement, column)));
    default:
        return QVariant();
    }
}

QString quoted(const QString &identifier)
{
    QString doubled = identifier;
    doubled.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + doubled + QLatin1Char('"');
}

} // namespace storage
