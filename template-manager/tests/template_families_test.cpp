#include "template-manager/TemplateFamilies.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace
{

using modarin::FamilyTable;

const QStringList kModules{"TORBCOM", "TORBAPRO", "TORBVEH", "TORBPRIX"};
const QString kDefault = "Devis (TORBPRIX) ou Autres";

struct Case {
    const char *name;    // upper case, as the list gives it
    const char *modules; // the modules that list it, blank-separated
    const char *description;
};

// The two tables disagree on purpose (ACRSDT/ACRSTD, BLIVSM/BLIVRSM): both are kept as they are.
const Case kCases[] = {
    {"FACMAG01.DOT", "TORBCOM", "Factures/Avoirs produits (TORBCOM)"},
    {"FACGEN2.DOT", "TORBCOM", "Factures Affaires Sur-mesure (TORBCOM)"},
    {"AVOIRS.DOT", "TORBCOM", "Avoir affaires sur-mesure (TORBCOM)"},
    {"ACRGEN.DOT", "TORBCOM", "Accusé réception Affaires Sur-mesure (TORBCOM)"},
    {"ACRSTD1.DOT", "", "Accusé réception Affaires standard (TORBCOM)"},
    {"ACRSDT1.DOT", "TORBCOM", "Devis (TORBPRIX) ou Autres"},
    {"BLIVSM1.DOT", "TORBCOM", "Devis (TORBPRIX) ou Autres"},
    {"BLIVRSM1.DOT", "", "Bons de livraison affaires sur-mesure (TORBCOM)"},
    {"BLIVRAIS.DOT", "TORBCOM", "Bons de livraison Affaires standard (TORBCOM)"},
    {"CLIMOD7.DOT", "TORBCOM", "Documents client (TORBCOM)"},
    {"AFFMOD.DOT", "TORBCOM", "Documents Afaires (TORBCOM)"},
    {"CMDFOU01.DOT", "TORBAPRO", "Commande fournisseur (TORBAPRO)"},
    {"RETFOU.DOT", "TORBAPRO", "Retours fournisseur (TORBAPRO)"},
    {"RELANCE1.DOT", "TORBAPRO", "Relances Fournisseurs (TORBAPRO)"},
    {"RELVEH9.DOT", "TORBVEH", "Relances véhicule (TORBVEH)"},
    {"FACPROF3.DOT", "TORBPRIX", "Factures PROFORMA (TORBPRIX)"},
    {"D12.DOT", "TORBPRIX", "Devis (TORBPRIX) ou Autres"},
    {"VIDE.DOT", "", "Base modèle devis (TORBPRIX)"},
    {"VID.DOT", "TORBPRIX", "Devis (TORBPRIX) ou Autres"},
    // Shorter than every prefix it begins: matches none of them.
    {"FACM", "", "Devis (TORBPRIX) ou Autres"},
    {"AVOI.DOT", "", "Devis (TORBPRIX) ou Autres"},
    {"", "", "Devis (TORBPRIX) ou Autres"},
};

FamilyTable filledTable()
{
    FamilyTable table;
    modarin::Init_Tab_Modeles(table);
    return table;
}

TEST(TemplateFamilies, EachNameIsListedUnderItsModulesAndDescribedByItsPrefix)
{
    const FamilyTable table = filledTable();
    for (const Case &c : kCases) {
        const QString name = QString::fromUtf8(c.name);
        const QStringList expected = QString::fromUtf8(c.modules).split(' ', Qt::SkipEmptyParts);
        QStringList listedUnder;
        for (const QString &module : kModules)
            if (modarin::belongsToModule(table, name, module))
                listedUnder.append(module);
        EXPECT_EQ(listedUnder, expected) << c.name;
        EXPECT_EQ(modarin::templateDescription(name), QString::fromUtf8(c.description)) << c.name;
    }
}

TEST(TemplateFamilies, TheDescriptionIgnoresCaseButMembershipTakesTheModuleExactly)
{
    const FamilyTable table = filledTable();
    EXPECT_EQ(modarin::templateDescription("facgen2.dot"), "Factures Affaires Sur-mesure (TORBCOM)");
    EXPECT_TRUE(modarin::belongsToModule(table, "facgen2.dot", "TORBCOM"));
    EXPECT_FALSE(modarin::belongsToModule(table, "FACGEN2.DOT", "torbcom"));
    EXPECT_FALSE(modarin::belongsToModule(table, "D12.DOT", "torbprix"));
}

TEST(TemplateFamilies, TheTableHoldsFourteenFamiliesAndAnEmptyCodeEndsIt)
{
    FamilyTable table = filledTable();
    EXPECT_EQ(table[13].Code, "FACPROF");
    EXPECT_EQ(table[13].Appli, "TORBPRIX");
    EXPECT_EQ(table[13].Libelle, "Factures PROFORMA");
    for (std::size_t row = 14; row < table.size(); ++row)
        EXPECT_TRUE(table[row].Code.isEmpty()) << row;

    // A family after the first empty row is never read.
    table[15] = {"ZZZ", "TORBVEH", "hors table"};
    EXPECT_FALSE(modarin::belongsToModule(table, "ZZZ1.DOT", "TORBVEH"));
    table[14] = table[15];
    EXPECT_TRUE(modarin::belongsToModule(table, "ZZZ1.DOT", "TORBVEH"));

    // Filling again puts the same rows back.
    table[0] = {};
    modarin::Init_Tab_Modeles(table);
    EXPECT_EQ(table[0].Code, "FACMAG");
    EXPECT_TRUE(modarin::belongsToModule(table, "FACMAG01.DOT", "TORBCOM"));
}

} // namespace
