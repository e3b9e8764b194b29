#include "template-manager/TemplateList.h"

#include "platform/Files.h"
#include "platform/PathRules.h"
#include "platform/TextCase.h"

namespace modarin
{

QStringList listedTemplates(const QString &CheminDot, const FamilyTable &table,
                            const std::optional<QString> &module)
{
    if (CheminDot.isEmpty())
        return {};
    const platform::PathSyntax syntax = platform::PathSyntax::posix();
    const QString pattern = CheminDot + QStringLiteral("*.dot");
    const QString folder = platform::parentPath(pattern, syntax);
    if (!folder.isEmpty() && !platform::isFolder(folder))
        return {};
    QStringList names;
    for (const QString &file : platform::listFiles(folder, platform::lastComponent(pattern, syntax))) {
        const QString name = platform::upperCase(file);
        if (!module || belongsToModule(table, name, *module))
            names.append(name);
    }
    return names;
}

} // namespace modarin
