#include "launcher/login/LoginTables.h"
#include "launcher/login/Mdp.h"
#include "launcher/login/tests/support/ModuleDatabase.h"
#include "tests/support/fixtures/TempFolder.h"

#include <gtest/gtest.h>

using login_testing::ModuleDatabase;

namespace
{

TEST(LoginModule, NumberSuffixAndDatabaseFollowTheHostsSetUp)
{
    struct Case {
        qint16 numModule;
        std::vector<qint16> tabModule;
        int numero;
        const char *suffixe;
    };
    const Case cases[] = {
        {1, {}, 1, ""}, {3, {}, 3, ""}, {6, {}, 6, "2"}, {9, {6}, 6, ""}, {9, {2, 5}, 2, ""}, {9, {}, 0, ""},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(login::numeroModule(c.numModule, c.tabModule), c.numero) << c.numModule;
        EXPECT_EQ(login::suffixeTable(c.numModule), QString::fromLatin1(c.suffixe)) << c.numModule;
    }

    testing_support::TempFolder folder;
    services::SharedState etat;
    etat.DB_Module[2].base = ModuleDatabase(folder.file(QStringLiteral("TORBPLAN.MDB"))).base;
    EXPECT_EQ(login::baseModule(etat, 3)->path(), etat.DB_Module[2].base->path());
    EXPECT_EQ(login::baseModule(etat, 6)->path(), etat.DB_Module[2].base->path()); // module 6 shares it
    for (int sansBase : {0, 1, 7, 9})
        EXPECT_FALSE(login::baseModule(etat, sansBase)) << sansBase;
}

// Run on the tables of schema/ and on tables with only their defined fields.
class LoginTables : public testing::TestWithParam<bool>
{
protected:
    void SetUp() override
    {
        module.addProfil(QStringLiteral("DUPONT"), QStringLiteral("ABCD"));
        module.addProfil(QStringLiteral("O'BRIEN"), QStringLiteral("WXYZ"));
        module.addProfil(QStringLiteral("ÉLODIE"), QStringLiteral("EEEE"));
        module.addProfil(QStringLiteral("MARTIN"), QStringLiteral("MMMM"), QStringLiteral("TZPR2"));
        module.addDroit(QStringLiteral("DUPONT"), QStringLiteral("M_Stock"), 0);
        module.addDroit(QStringLiteral("DUPONT"), QStringLiteral("M_Tarifs"), 1);
        module.addDroit(QStringLiteral("DUPONT"), QStringLiteral("M_Achats"), 0.5);
        module.addDroit(QStringLiteral("DUPONT"), QStringLiteral("M_Devis"), 2);
        module.addDroit(QStringLiteral("DUPONT"), QStringLiteral("M_Plan"), 7);
        module.addDroit(QStringLiteral("O'BRIEN"), QStringLiteral("M_Stock"), 1);
        module.addDroit(QStringLiteral("ÉLODIE"), QStringLiteral("M_Tarifs"), 0);
        module.addDroit(QStringLiteral("MARTIN"), QStringLiteral("M_Plan"), 0, QStringLiteral("TZMN2"));
    }

    static QStringList names(const std::vector<login::DroitMenu> &droits)
    {
        QStringList lignes;
        for (const login::DroitMenu &droit : droits)
            lignes << QStringLiteral("%1=%2").arg(droit.nom).arg(droit.acces);
        return lignes;
    }

    testing_support::TempFolder folder;
    ModuleDatabase module{folder.file(QStringLiteral("TORBSTOC.MDB")),
                          GetParam() ? testing_support::bareSchemaFolder() : testing_support::schemaFolder()};
};

TEST_P(LoginTables, ProfileExistsIgnoringCaseAndAlwaysInTzpr)
{
    EXPECT_TRUE(login::existeProfil(module.base, QStringLiteral("DUPONT")));
    EXPECT_TRUE(login::existeProfil(module.base, QStringLiteral("dupont")));
    EXPECT_TRUE(login::existeProfil(module.base, QStringLiteral("élodie"))); // beyond ASCII too
    EXPECT_TRUE(login::existeProfil(module.base, QStringLiteral("O'BRIEN")));
    EXPECT_FALSE(login::existeProfil(module.base, QStringLiteral("MARTIN"))); // only in TZPR2
    EXPECT_FALSE(login::existeProfil(module.base, QStringLiteral("X' OR '1'='1")));
}

TEST_P(LoginTables, PasswordCheckSeeksTheSuffixedTable)
{
    const qint32 abcd = login::Code_MDP(QStringLiteral("ABCD"));
    EXPECT_TRUE(login::profilEtCodeConnus(module.base, {}, QStringLiteral("DUPONT"), abcd));
    EXPECT_TRUE(login::profilEtCodeConnus(module.base, {}, QStringLiteral("dupont"), abcd));
    EXPECT_FALSE(login::profilEtCodeConnus(module.base, {}, QStringLiteral("DUPONT"), abcd + 1));
    const qint32 eeee = login::Code_MDP(QStringLiteral("EEEE"));
    EXPECT_TRUE(login::profilEtCodeConnus(module.base, {}, QStringLiteral("élodie"), eeee)); // beyond ASCII
    EXPECT_FALSE(login::profilEtCodeConnus(module.base, {}, QStringLiteral("élodie"), abcd));
    EXPECT_TRUE(login::profilEtCodeConnus(module.base, {}, QStringLiteral("O'BRIEN"),
                                          login::Code_MDP(QStringLiteral("WXYZ"))));
    const qint32 mmmm = login::Code_MDP(QStringLiteral("MMMM"));
    EXPECT_FALSE(login::profilEtCodeConnus(module.base, {}, QStringLiteral("MARTIN"), mmmm));
    EXPECT_TRUE(login::profilEtCodeConnus(module.base, QStringLiteral("2"), QStringLiteral("MARTIN"), mmmm));
}

TEST_P(LoginTables, RightsBelowFullAccessOfTheProfileOnly)
{
    EXPECT_EQ(names(login::droitsRestreints(module.base, {}, QStringLiteral("DUPONT"))),
              QStringList({"M_Stock=0", "M_Tarifs=1", "M_Achats=0.5"}));
    EXPECT_EQ(names(login::droitsRestreints(module.base, {}, QStringLiteral("Dupont"))).size(), 3);
    EXPECT_EQ(names(login::droitsRestreints(module.base, {}, QStringLiteral("O'BRIEN"))),
              QStringList({"M_Stock=1"}));
    EXPECT_EQ(names(login::droitsRestreints(module.base, {}, QStringLiteral("élodie"))),
              QStringList({"M_Tarifs=0"}));
    EXPECT_TRUE(login::droitsRestreints(module.base, {}, QStringLiteral("MARTIN")).empty());
    EXPECT_EQ(names(login::droitsRestreints(module.base, QStringLiteral("2"), QStringLiteral("MARTIN"))),
              QStringList({"M_Plan=0"}));
    EXPECT_TRUE(login::droitsRestreints(module.base, {}, QStringLiteral("' OR ''='")).empty());
}

INSTANTIATE_TEST_SUITE_P(Tables, LoginTables, testing::Values(false, true),
                         [](const auto &param) { return param.param ? "Bare" : "Schema"; });

} // namespace
