#include "launcher/settings/ServerFolder.h"

#include "platform/Files.h"

namespace settings
{

QString serverFolderToApply(const QString &typed, const platform::PathSyntax &syntax)
{
    const QString trimmed = typed.trimmed();
    if (platform::endsWithSeparator(trimmed, syntax))
        return typed;
    return trimmed + syntax.joiner();
}

std::vector<int> rowsMovedToServerFolder(const QList<ProductRow> &rows,
                                         const std::function<bool(const QString &name)> &found)
{
    std::vector<int> moved;
    for (int row = 1; row <= rows.size(); ++row) {
        const ProductRow &product = rows.at(row - 1);
        if (product.number.isEmpty())
            break;
        if (found(product.databaseName))
            moved.push_back(row);
    }
    return moved;
}

bool serverFileFound(const QString &folder, const QString &name)
{
    // On this host "*" is every name; the Windows "*.*" would ask for a dot.
    return !platform::fileMatches(folder + (name.isEmpty() ? QStringLiteral("*") : name)).isEmpty();
}

} // namespace settings
