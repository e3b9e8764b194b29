#include "tools/modules/StandInTexts.h"

#include "tools/modules/BusinessModules.h"

#include <QFileInfo>

namespace tools
{

QString standInTitle(const QString &programName)
{
    if (const BusinessModule *module = moduleForProgram(programName))
        return module->titleWord + QStringLiteral(" - ") + module->description;
    return QFileInfo(programName).completeBaseName().toUpper();
}

QString standInText(const QString &programName, const QString &currentDirectory)
{
    const BusinessModule *module = moduleForProgram(programName);
    const QString what =
        module ? QStringLiteral("du module « %1 » (%2)").arg(module->description, module->titleWord)
               : QStringLiteral("du programme %1").arg(programName);
    return QStringLiteral("Programme de remplacement %1.\n"
                          "Le module lui-même ne fait pas partie de TORBPROD.\n\n"
                          "Dossier de travail : %2")
        .arg(what, currentDirectory);
}

} // namespace tools
