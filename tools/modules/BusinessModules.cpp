#include "tools/modules/BusinessModules.h"

namespace tools
{

const std::vector<BusinessModule> &businessModules()
{
    // The composer has no force-close word: its title carries its own name.
    static const std::vector<BusinessModule> modules = {
        {"torbstoc", "zlv0", "TORBSTOC", "Gestion des stocks"},
        {"torbcom", "torbcom", "TORBCOM", "Gestion commerciale, fabrication sur mesure"},
        {"torbplan", "torbplan", "TORPLAN", "Fabrications standards"},
        {"torbprix", "torbprix", "TORBPRIX", "Devis et prix"},
        {"torbapro", "torbapro", "TORBAPRO", "Achats"},
        {"torbtmps", "torbtmps", "TORBTMPS", "Suivi des temps"},
        {"torbveh", "torbveh", "TORBVEH", "Suivi des véhicules"},
        {"sarvelt", "sarvelt", "SARVELT", "Déstockage douchette"},
        {"Lupardo", "lupardo", "LUPARDO", "Lupardo de nomenclatures"},
    };
    return modules;
}

const BusinessModule *moduleForProgram(const QString &programName)
{
    QString name = programName;
    if (name.endsWith(QLatin1String(".exe"), Qt::CaseInsensitive))
        name.chop(4);
    for (const BusinessModule &module : businessModules()) {
        if (module.program.compare(name, Qt::CaseInsensitive) == 0)
            return &module;
    }
    return nullptr;
}

} // namespace tools
