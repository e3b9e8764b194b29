#include "launcher/services/Traduction.h"
#include "launcher/services/tests/support/ServicesFixture.h"
#include "platform/Failure.h"
#include "ui/testing/ScriptedDialogs.h"

#include <gtest/gtest.h>

using services::Traduction;
using services_testing::ServicesFixture;

namespace
{

// A converter that fails, as when the component is broken.
class FailingConverter : public platform::CharsetConverter
{
public:
    void setSourceCharset(const QString &) override {}
    QString convert(const QString &, const QString &) override
    {
        throw platform::Failure(QStringLiteral("Conversion refusée"), 5);
    }
};

} // namespace

class TranslationLookup : public testing::Test
{
protected:
    void SetUp() override
    {
        fixture.createBdtrad({
            {QStringLiteral("QUITTER"), QStringLiteral("Exit")},
            {QStringLiteral("Confirmez la sortie de TORBPROD"), QStringLiteral("Confirm leaving TORBPROD")},
            {QStringLiteral("Confirmez la sortie du module"), QStringLiteral("Confirm leaving the module")},
            {QStringLiteral("Confirmez la sortie"), QStringLiteral("Confirm leaving")},
            {QStringLiteral("Aide"), QStringLiteral("Help")},
            {QStringLiteral("AIDE"), QStringLiteral("HELP")},
            {QStringLiteral("Fermer"), QStringLiteral("Zamknij 中")},
            {QStringLiteral("Menu\tPrincipal"), QStringLiteral("Main menu")},
            {QStringLiteral("État des lieux"), QStringLiteral("Inventory")},
            {QStringLiteral("élan"), QStringLiteral("Momentum")},
            {QStringLiteral("École élémentaire"), QStringLiteral("Primary school")},
            {QStringLiteral("Égalité"), QStringLiteral("Equality")},
            {QStringLiteral("égalité"), QStringLiteral("equality")},
        });
        fixture.createBdloc();
        fixture.etat.Num_Langue = 1;
        traduction.Init_Traduction();
    }

    ServicesFixture fixture;
    ui::testing::ScriptedDialogs dialogs;
    Traduction traduction{fixture.etat};
};

TEST_F(TranslationLookup, FindsTheWholeTextIgnoringCaseAndKeepsItsOuterBlanks)
{
    struct Case {
        QString texte;
        QString result;
    };
    const Case cases[] = {
        {QStringLiteral("  Quitter "), QStringLiteral("  Exit ")},
        {QStringLiteral("Confirmez la sortie de TORBPROD"), QStringLiteral("Confirm leaving TORBPROD")},
        {QStringLiteral("CONFIRMEZ LA SORTIE DU MODULE"), QStringLiteral("Confirm leaving the module")},
        {QStringLiteral("Confirmez la sortie "), QStringLiteral("Confirm leaving ")},
        {QStringLiteral("Confirmez la sortie de"), QStringLiteral("Confirmez la sortie de")},
        {QStringLiteral("aide"), QStringLiteral("Help")}, // the first of the rows equal but for case
        {QStringLiteral("Fermer"), QStringLiteral("Zamknij ?")},
        {QStringLiteral("Menu\tPrincipal"), QStringLiteral("Main menu")},
        {QStringLiteral("Menu Principal"), QStringLiteral("Menu Principal")},
        // Accented capitals, whichever way: the rows lie apart in the index.
        {QStringLiteral("ÉTAT DES LIEUX"), QStringLiteral("Inventory")},
        {QStringLiteral("état des lieux"), QStringLiteral("Inventory")},
        {QStringLiteral("Élan"), QStringLiteral("Momentum")},
        {QStringLiteral("ÉCOLE ÉLÉMENTAIRE"), QStringLiteral("Primary school")},
        {QStringLiteral("école Élémentaire"), QStringLiteral("Primary school")},
        {QStringLiteral("égalité"), QStringLiteral("equality")}, // the row spelled as the text
        {QStringLiteral("ÉGALITÉ"), QStringLiteral("Equality")}, // else the first: "É" before "é"
        {QStringLiteral("État"), QStringLiteral("État")},
        {QStringLiteral("Inconnu"), QStringLiteral("Inconnu")},
        {QStringLiteral("zzz"), QStringLiteral("zzz")},
        {QString(), QString()},
        {QStringLiteral("   "), QStringLiteral("   ")},
    };
    for (const Case &c : cases)
        EXPECT_EQ(traduction.TRAD(c.texte), c.result) << c.texte.toStdString();
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(TranslationLookup, SecondArgumentSkipsTheConversion)
{
    EXPECT_EQ(traduction.TRAD(QStringLiteral("Fermer"), false), QStringLiteral("Zamknij 中"));
    EXPECT_EQ(traduction.TRAD(QStringLiteral("Fermer"), QVariant()), QStringLiteral("Zamknij 中"));
}

TEST_F(TranslationLookup, FrenchReturnsTheTextUntouched)
{
    fixture.etat.Num_Langue = 0;
    fixture.etat.RS_TRAD.reset();
    EXPECT_EQ(traduction.TRAD(QStringLiteral(" Quitter")), QStringLiteral(" Quitter"));
}

TEST_F(TranslationLookup, FailuresShowTheMessageAndGiveTheTextBack)
{
    struct Case {
        services::ConverterFactory factory;
        QString description;
    };
    const Case cases[] = {
        {[] { return std::make_unique<FailingConverter>(); }, QStringLiteral("Conversion refusée")},
        {[]() -> std::unique_ptr<platform::CharsetConverter> {
             throw platform::Failure(QStringLiteral("Composant absent"), 429);
         },
         QStringLiteral("Composant absent")},
    };
    for (const Case &c : cases) {
        Traduction broken(fixture.etat, c.factory);
        EXPECT_EQ(broken.TRAD(QStringLiteral("Inconnu")),
                  QStringLiteral("Inconnu")); // no lookup hit, no message
        dialogs.expectMessage(ui::Answer::Ok, QStringLiteral("Proc. TRAD : ") + c.description);
        EXPECT_EQ(broken.TRAD(QStringLiteral(" Quitter")), QStringLiteral(" Quitter"));
        EXPECT_TRUE(dialogs.expectationsMet());
    }
}

TEST_F(TranslationLookup, WithoutRecordsetTheLookupFailsWithItsMessage)
{
    fixture.etat.RS_TRAD.reset();
    dialogs.expectMessage(ui::Answer::Ok);
    EXPECT_EQ(traduction.TRAD(QStringLiteral("Quitter")), QStringLiteral("Quitter"));
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_TRUE(dialogs.shown().front().text.startsWith(QStringLiteral("Proc. TRAD : ")));
}
