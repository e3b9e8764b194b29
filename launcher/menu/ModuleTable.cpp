#include "launcher/menu/ModuleTable.h"

namespace menu
{

namespace
{

const QString programme = QStringLiteral("Programme ");
const QString introuvable = QStringLiteral(" introuvable");

} // namespace

const std::array<ModuleRow, 9> &moduleTable()
{
    // The composer's message spells "Lupardo.exe": file names ignore case, so it names the same file.
    static const std::array<ModuleRow, 9> rows{{
        {"Cmd_Stoc", 1, "torbstoc", "torbstoc/zlv0.exe", "torbstoc/zlv0.exe introuvable",
         FailureWording::Translated},
        {"Cmd_Com", 2, "torbcom", "torbcom/torbcom.exe", "torbcom/torbcom.exe introuvable",
         FailureWording::Translated},
        {"Cmd_Plan", 3, "torbplan", "torbplan/torbplan.exe", "torbplan/torbplan.exe introuvable",
         FailureWording::Translated},
        {"CMD_Prix", 4, "torbprix", "torbprix/torbprix.exe", "torbprix/torbprix.exe introuvable",
         FailureWording::Translated},
        {"Cmd_Apro", 5, "torbapro", "torbapro/torbapro.exe", "torbapro/torbapro.exe introuvable",
         FailureWording::Untranslated},
        {"Cmd_Tmps", 6, "torbtmps", "torbtmps/torbtmps.exe", "torbtmps/torbtmps.exe introuvable",
         FailureWording::Translated},
        {"CMD_Veh", 10, "torbveh", "torbveh/torbveh.exe", "torbveh/torbveh.exe introuvable",
         FailureWording::Translated},
        {"Cmd_Sarvelt", 11, "sarvelt", "sarvelt/sarvelt.exe", "sarvelt/sarvelt.exe introuvable",
         FailureWording::PathAsIs},
        {"Cmd_Nomenc", 12, "Lupardo", "Lupardo/lupardo.exe", "Lupardo/Lupardo.exe introuvable",
         FailureWording::Translated},
    }};
    return rows;
}

QString launchFailureMessage(const ModuleRow &row, const QString &programFolder, const Translate &trad)
{
    switch (row.wording) {
    case FailureWording::Translated:
        return trad(programme) + programFolder + trad(row.failureText);
    case FailureWording::PathAsIs:
        return trad(programme) + programFolder + row.program + trad(introuvable);
    case FailureWording::Untranslated:
        break;
    }
    return programme + programFolder + row.failureText;
}

} // namespace menu
