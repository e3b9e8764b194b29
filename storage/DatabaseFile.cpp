#include "storage/DatabaseFile.h"

#include "storage/ErrorNumbers.h"
#include "storage/SqliteValues.h"

#include "platform/CaseResolution.h"

#include <QFileInfo>
#include <QUrl>
#include <sqlite3.h>

namespace storage
{

QString existingDatabaseFile(const QString &path)
{
    const QString resolved = platform::resolveCase(path);
    const QFileInfo file(resolved);
    if (!file.isFile())
        throw platform::Failure(QStringLiteral("Fichier de base de données '%1' introuvable").arg(path),
                                FileNotFound);
    if (file.size() == 0)
        throw notADatabaseFailure(path);
    return resolved;
}

QString databaseUri(const QString &resolvedPath, bool readOnly)
{
    const QString absolute = QFileInfo(resolvedPath).absoluteFilePath();
    return QUrl::fromLocalFile(absolute).toString(QUrl::FullyEncoded) +
           (readOnly ? QStringLiteral("?mode=ro") : QStringLiteral("?mode=rw"));
}

void requireReadableSchema(sqlite3 *handle, const QString &schemaName, const QString &path)
{
    const QByteArray sql =
        QStringLiteral("SELECT count(*) FROM %1.sqlite_master").arg(quoted(schemaName)).toUtf8();
    const int result = sqlite3_exec(handle, sql.constData(), nullptr, nullptr, nullptr);
    if (result != SQLITE_OK)
        throw sqlFailure(handle, path);
}

platform::Failure targetExistsFailure(const QString &path)
{
    return platform::Failure(QStringLiteral("Le fichier '%1' existe déjà").arg(path), TargetExists);
}

} // namespace storage
