#include "launcher/settings/tests/support/DataPathFixture.h"

#include <QDir>
#include <gtest/gtest.h>

using settings_testing::DataPathFixture;
using ui::Answer;

namespace
{

const QString unknownFolder = QStringLiteral("Chemin serveur inconnu !!!");

// The sample rows with a server folder that holds TORBSTOC.MDB only.
// Run on the tables of schema/ and on tables with only their defined fields.
class ServerFolderApply : public testing::TestWithParam<bool>
{
protected:
    void SetUp() override
    {
        fixture.addSampleRows();
        QDir().mkpath(server);
        fixture.writeFile(server + QStringLiteral("/torbstoc.mdb"));
        fixture.open();
    }

    settings::DataPathForm &window() { return fixture.window(); }
    void apply(const QString &typed)
    {
        window().CTX_PathServeur().setText(typed);
        window().CMD_MajPath().click();
    }
    QStringList storedPaths()
    {
        QStringList paths;
        for (const storage::FolderRow &row : fixture.storedRows())
            paths << row.path.value_or(QStringLiteral("<Null>"));
        return paths;
    }

    DataPathFixture fixture{GetParam() ? testing_support::bareSchemaFolder()
                                       : testing_support::schemaFolder()};
    const QString server = fixture.root() + QStringLiteral("/Serveur");
};

TEST_P(ServerFolderApply, MovesTheProductsFoundThereAsTypedAndRemembersTheFolderOnce)
{
    const QString bases = fixture.bases() + u'/';
    const QString typed = fixture.root() + QStringLiteral("/serveur");
    apply(QStringLiteral("  ") + typed + QStringLiteral(" "));
    const QString folder = typed + u'/';
    EXPECT_EQ(window().CTX_PathServeur().text(), folder);
    // The template row has no database name: any file of the folder moves it too.
    EXPECT_EQ(storedPaths(), QStringList({folder, folder, bases}));
    EXPECT_EQ(window().DBG_APPLI().cellText(3, 1), folder);
    EXPECT_EQ(fixture.storedHistory(), QStringList({folder}));
    // The current row shows its new folder; a save that does not change it leaves it as typed.
    EXPECT_EQ(window().FPATH_PATH().text(), folder);
    window().CmdUpdate().click();
    EXPECT_EQ(storedPaths().first(), folder);

    apply(folder.toUpper());
    EXPECT_EQ(storedPaths(), QStringList({folder.toUpper(), folder.toUpper(), bases}));
    EXPECT_EQ(fixture.storedHistory(), QStringList({folder}));
    EXPECT_TRUE(fixture.dialogs.shown().empty());
    // The open window's list is not read again.
    EXPECT_EQ(window().DBC_PathServeur().listCount(), 0);
}

TEST_P(ServerFolderApply, AFolderWithoutAnyFileChangesNothing)
{
    QDir().mkpath(fixture.root() + QStringLiteral("/Vide/Sous"));
    fixture.writeFile(fixture.root() + QStringLiteral("/Vide/.cache"));
    const QStringList before = storedPaths();
    for (const QString &folder : {QStringLiteral("/Vide"), QStringLiteral("/Absent/")}) {
        fixture.dialogs.expectMessage(Answer::Ok, unknownFolder);
        window().CTX_Status().setFocus();
        apply(fixture.root() + folder);
        EXPECT_TRUE(window().CTX_PathServeur().hasFocus());
    }
    EXPECT_EQ(window().CTX_PathServeur().text(), fixture.root() + QStringLiteral("/Absent/"));
    EXPECT_EQ(storedPaths(), before);
    EXPECT_TRUE(fixture.storedHistory().isEmpty());
}

TEST_P(ServerFolderApply, ARememberedFolderIsCopiedToTheServerBoxWhenChosen)
{
    window().CmdClose().click();
    fixture.addHistory(QStringLiteral("/srv/ancien/"));
    fixture.addHistory(server + u'/');
    fixture.open();
    ui::DataCombo &history = window().DBC_PathServeur();
    history.setText(QString());
    history.click(); // an empty combo copies nothing
    EXPECT_EQ(window().CTX_PathServeur().text(), fixture.bases() + u'/');
    history.choose(0);
    EXPECT_EQ(window().CTX_PathServeur().text(), server + u'/');
    EXPECT_EQ(storedPaths().first(), fixture.bases() + u'/'); // nothing applied yet
}

INSTANTIATE_TEST_SUITE_P(Tables, ServerFolderApply, testing::Values(false, true),
                         [](const auto &param) { return param.param ? "Bare" : "Schema"; });

} // namespace
