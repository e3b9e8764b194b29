#include "template-manager/TemplateFamilies.h"

#include "platform/TextCase.h"

namespace modarin
{

namespace
{

const QString kPrices = QStringLiteral("TORBPRIX");
// A name whose first "." is its fourth character has a three-character base.
constexpr int kShortBaseDot = 3;

struct FamilyRow {
    const char *code;
    const char *appli;
    const char *libelle;
};

constexpr FamilyRow kFamilies[] = {
    {"FACMAG", "TORBCOM", "Factures/Avoirs produits"},
    {"FACGEN", "TORBCOM", "Factures Affaires Sur-mesure"},
    {"AVOIR", "TORBCOM", "Avoirs Affaires Sur-mesure"},
    {"ACRGEN", "TORBCOM", "Accusé réception Affaires Sur-mesure"},
    {"ACRSDT", "TORBCOM", "Accusé réception Affaires Standard"},
    {"BLIVRAIS", "TORBCOM", "Bons de livraison Affaires standard"},
    {"BLIVSM", "TORBCOM", "Bons de livraison affaires sur-mesure"},
    {"CLIMOD", "TORBCOM", "Documents spéciaux client"},
    {"AFFMOD", "TORBCOM", "Documents spéciaux affaires"},
    {"CMDFOU", "TORBAPRO", "Commande fournisseur"},
    {"RETFOU", "TORBAPRO", "Retours fournisseur"},
    {"RELANCE", "TORBAPRO", "Relances Fournisseurs"},
    {"RELVEH", "TORBVEH", "Relances véhicule"},
    {"FACPROF", "TORBPRIX", "Factures PROFORMA"},
};

struct Description {
    const char *prefix;
    const char *text;
};

// Tested in this order; it does not agree with the family table everywhere (ACRSTD, BLIVRSM).
constexpr Description kDescriptions[] = {
    {"FACMAG", "Factures/Avoirs produits (TORBCOM)"},
    {"FACGEN", "Factures Affaires Sur-mesure (TORBCOM)"},
    {"AVOIR", "Avoir affaires sur-mesure (TORBCOM)"},
    {"ACRGEN", "Accusé réception Affaires Sur-mesure (TORBCOM)"},
    {"ACRSTD", "Accusé réception Affaires standard (TORBCOM)"},
    {"CMDFOU", "Commande fournisseur (TORBAPRO)"},
    {"RETFOU", "Retours fournisseur (TORBAPRO)"},
    {"BLIVRAIS", "Bons de livraison Affaires standard (TORBCOM)"},
    {"BLIVRSM", "Bons de livraison affaires sur-mesure (TORBCOM)"},
    {"RELANCE", "Relances Fournisseurs (TORBAPRO)"},
    {"RELVEH", "Relances véhicule (TORBVEH)"},
    {"FACPROF", "Factures PROFORMA (TORBPRIX)"},
    {"CLIMOD", "Documents client (TORBCOM)"},
    {"AFFMOD", "Documents Afaires (TORBCOM)"},
    {"VIDE", "Base modèle devis (TORBPRIX)"},
};
const QString kDefaultDescription = QStringLiteral("Devis (TORBPRIX) ou Autres");

bool startsWithCode(const QString &name, const QString &code)
{
    return platform::upperCase(name.left(code.size())) == platform::upperCase(code);
}

} // namespace

void Init_Tab_Modeles(FamilyTable &table)
{
    std::size_t row = 0;
    for (const FamilyRow &family : kFamilies)
        table[row++] = {QString::fromUtf8(family.code), QString::fromUtf8(family.appli),
                        QString::fromUtf8(family.libelle)};
}

bool belongsToModule(const FamilyTable &table, const QString &name, const QString &module)
{
    for (const TemplateFamily &family : table) {
        if (family.Code.isEmpty())
            break;
        if (startsWithCode(name, family.Code) && module == family.Appli)
            return true;
    }
    return module == kPrices && name.indexOf(QLatin1Char('.')) == kShortBaseDot;
}

QString templateDescription(const QString &name)
{
    const QString upper = platform::upperCase(name);
    for (const Description &description : kDescriptions) {
        if (upper.startsWith(QString::fromUtf8(description.prefix)))
            return QString::fromUtf8(description.text);
    }
    return kDefaultDescription;
}

} // namespace modarin
