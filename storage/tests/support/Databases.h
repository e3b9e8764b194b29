#pragma once

#include "storage/CreateDatabase.h"

#include "tests/support/fixtures/TempFolder.h"

#include <QFile>
#include <QString>

namespace storage_testing
{

// A database file made in the folder from the statements given; gives its path.
inline QString makeDatabase(const testing_support::TempFolder &folder, const QString &name,
                            const QString &sql)
{
    const QString path = folder.file(name);
    storage::createDatabase(path, sql);
    return path;
}

inline QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace storage_testing
