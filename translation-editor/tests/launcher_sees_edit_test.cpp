#include "translation-editor/TranslationForm.h"

#include "launcher/services/Traduction.h"
#include "translation-editor/tests/support/EditorInstallation.h"
#include "ui/Grid.h"
#include "ui/ThreeDButton.h"
#include "ui/testing/ScriptedDialogs.h"
#include "ui/tests/QtPrinters.h"

#include <gtest/gtest.h>

namespace
{

// What the launcher shows for the French text at its next start in the language.
QString launcherTranslation(const editor_testing::EditorInstallation &installation, int language,
                            const QString &french)
{
    services::SharedState etat;
    etat.Num_Langue = static_cast<qint16>(language);
    etat.Chemin_BaseTrad = installation.databases() + QLatin1Char('/');
    etat.Nom_BaseTrad = QStringLiteral("BDTRAD.MDB");
    services::Traduction traduction(etat);
    traduction.Init_Traduction();
    return traduction.TRAD(french);
}

TEST(LauncherSeesEditTest, AnEditMadeInTheEditorIsShownByTheLauncherAtItsNextStart)
{
    editor_testing::EditorInstallation installation(editor_testing::withoutPrograms());
    EXPECT_EQ(launcherTranslation(installation, 1, QStringLiteral("l'aide")), QStringLiteral("l'aide"));
    {
        ui::testing::ScriptedDialogs dialogs;
        peluvar::TranslationForm form;
        dialogs.expectInput(QStringLiteral("1"));
        form.show();
        // The row of "l'aide" comes first: its language 1 column is empty.
        form.grid().setCellText(2, 1, QStringLiteral("Help"));
        form.get<ui::ThreeDButton>(QStringLiteral("Cmd_Quitter")).click();
        ASSERT_FALSE(form.isLoaded());
    }
    EXPECT_EQ(launcherTranslation(installation, 1, QStringLiteral("l'aide")), QStringLiteral("Help"));
}

} // namespace
