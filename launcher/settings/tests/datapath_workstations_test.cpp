#include "launcher/settings/tests/support/DataPathFixture.h"
#include "tests/support/fixtures/SqliteCommand.h"
#include "tests/support/fixtures/WriteLock.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QDir>
#include <QSqlQuery>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <optional>

using settings_testing::DataPathFixture;
using testing_support::sqlite3Command;
using testing_support::WriteLock;
using ui::Answer;

namespace
{

const QString changedElsewhere = QStringLiteral("un autre poste l'a changée ou supprimée");
const QString busy = QStringLiteral("est occupée par un autre poste ou un autre programme");
const QString wrongEnvironment = QStringLiteral("Type d'environnement erroné :");
const QString wrongNetwork = QStringLiteral("Type de réseau erroné :");

// This workstation's data-path window open on the sample rows while other workstations and
// programs write DBPATH.MDB and BDLOC.MDB. A server folder holds every product's database.
// Run on the tables of schema/ and on tables with only their defined fields.
class TwoWorkstations : public testing::TestWithParam<bool>
{
protected:
    void SetUp() override
    {
        fixture.addSampleRows();
        QDir().mkpath(server);
        fixture.writeFile(server + QStringLiteral("TORBSTOC.MDB"));
        fixture.writeFile(server + QStringLiteral("TORBCOM.MDB"));
        fixture.open();
    }

    settings::DataPathForm &window() { return fixture.window(); }
    QString dbpath() const { return fixture.data() + QStringLiteral("/DBPATH.MDB"); }
    QString bdloc() const { return fixture.data() + QStringLiteral("/BDLOC.MDB"); }
    // Another workstation's write, on a connection of its own.
    void otherWorkstation(const QString &sql, const QVariantList &values = {})
    {
        storage::Database::open(dbpath()).execute(sql, values);
    }
    storage::FolderRow stored(int key)
    {
        for (const storage::FolderRow &row : fixture.storedRows())
            if (row.number == key)
                return row;
        return {};
    }
    QStringList storedPaths()
    {
        QStringList paths;
        for (const storage::FolderRow &row : fixture.storedRows())
            paths << row.path.value_or(QStringLiteral("<Null>"));
        return paths;
    }
    void apply(const QString &folder)
    {
        window().CTX_PathServeur().setText(folder);
        window().CMD_MajPath().click();
    }
    bool lastMessageHas(const QString &text)
    {
        return !fixture.dialogs.shown().empty() && fixture.dialogs.texts().last().contains(text);
    }
    void expectSoundFiles()
    {
        EXPECT_EQ(sqlite3Command(dbpath(), QStringLiteral("PRAGMA integrity_check;")), QStringLiteral("ok"));
        EXPECT_EQ(sqlite3Command(bdloc(), QStringLiteral("PRAGMA integrity_check;")), QStringLiteral("ok"));
    }

    DataPathFixture fixture{GetParam() ? testing_support::bareSchemaFolder()
                                       : testing_support::schemaFolder()};
    const QString server = fixture.root() + QStringLiteral("/nouveau/");
    const QString bases = fixture.bases() + u'/';
};

TEST_P(TwoWorkstations, ASaveDoesNotUndoTheServerFolderThatAnotherWorkstationApplied)
{
    otherWorkstation(QStringLiteral("UPDATE TPATH SET TPATH_PATH = ?"), {server});
    window().CTX_Status().setText(QStringLiteral("M"));
    fixture.dialogs.expectMessage();
    window().CmdUpdate().click();
    EXPECT_TRUE(lastMessageHas(changedElsewhere));
    EXPECT_EQ(stored(1).path, server);
    EXPECT_EQ(stored(1).status, QStringLiteral("R"));
    // The window shows the row as it is now, with what the user typed.
    EXPECT_EQ(window().FPATH_PATH().text(), server);
    EXPECT_EQ(window().DBG_APPLI().cellText(3, 3), server);
    EXPECT_EQ(window().CTX_Status().text(), QStringLiteral("M"));

    // Saved again, the environment goes in; the folder the user did not touch stays as it is.
    window().CmdUpdate().click();
    EXPECT_EQ(stored(1).status, QStringLiteral("M"));
    EXPECT_EQ(stored(1).network, QStringLiteral(" "));
    EXPECT_EQ(stored(1).path, server);
    EXPECT_EQ(fixture.dialogs.shown().size(), 1u);
}

TEST_P(TwoWorkstations, ARowChangeDoesNotWriteOverAValueWrittenWithTheSqlite3Command)
{
    window().CTX_Status().setText(QStringLiteral("M"));
    QCoreApplication::processEvents(); // idle: the window holds no read of the file
    sqlite3Command(dbpath(), QStringLiteral("UPDATE TPATH SET TPATH_RESEAU = 'L' WHERE TPATH_NUM = 1;"));
    fixture.dialogs.expectMessage();
    window().DBG_APPLI().setActiveCell(2, 3);
    EXPECT_TRUE(lastMessageHas(changedElsewhere));
    EXPECT_EQ(window().DBG_APPLI().activeRow(), 1); // the row and the text typed in it stay
    EXPECT_EQ(window().CTX_Status().text(), QStringLiteral("M"));
    EXPECT_EQ(stored(1).status, QStringLiteral("R"));
    EXPECT_EQ(stored(1).network, QStringLiteral("L"));
}

TEST_P(TwoWorkstations, BrowsingTheRowsWritesNothing)
{
    otherWorkstation(QStringLiteral("UPDATE TPATH SET TPATH_RESEAU = '' WHERE TPATH_NUM = 3"));
    window().CmdClose().click();
    fixture.open();
    for (int row : {3, 2, 1, 3})
        window().DBG_APPLI().setActiveCell(2, row);
    window().CmdUpdate().click();
    EXPECT_EQ(stored(3).network, QString());
    EXPECT_EQ(stored(1).path, bases); // a folder the user did not change is not upper-cased
    EXPECT_TRUE(fixture.dialogs.shown().empty());
}

TEST_P(TwoWorkstations, ARefusedApplyChangesNothingAndLeavesNothingPending)
{
    const struct {
        const char *what;
        QString locked; // a file another program holds, or empty
        QString message;
    } refusals[] = {
        {"DBPATH.MDB locked", dbpath(), busy},
        {"BDLOC.MDB locked", bdloc(), busy},
        {"a product row changed meanwhile", QString(), changedElsewhere},
    };
    // The waits for the locks are cut short; what follows them is what counts here.
    ASSERT_TRUE(QSqlQuery(window().DBG_APPLI().dataSource()->database())
                    .exec(QStringLiteral("PRAGMA busy_timeout = 50")));
    for (const auto &refusal : refusals) {
        SCOPED_TRACE(refusal.what);
        if (refusal.locked.isEmpty())
            otherWorkstation(
                QStringLiteral("UPDATE TPATH SET TPATH_NOMEXE = 'autre.exe' WHERE TPATH_NUM = 3"));
        const QStringList before = storedPaths();
        {
            std::optional<WriteLock> lock;
            if (!refusal.locked.isEmpty())
                lock.emplace(refusal.locked);
            fixture.dialogs.expectMessage();
            apply(server);
            EXPECT_TRUE(lastMessageHas(refusal.message));
        }
        EXPECT_EQ(storedPaths(), before);
        EXPECT_TRUE(fixture.storedHistory().isEmpty());
        EXPECT_EQ(window().FPATH_PATH().text(), bases);
        // The next row change writes nothing of it.
        window().DBG_APPLI().setActiveCell(2, 3);
        window().DBG_APPLI().setActiveCell(2, 1);
        EXPECT_EQ(storedPaths(), before);
        EXPECT_TRUE(fixture.storedHistory().isEmpty());
        expectSoundFiles();
    }
    // Once nothing stands in the way, every product and the history move together.
    apply(server);
    EXPECT_EQ(storedPaths(), QStringList({server, server, server}));
    EXPECT_EQ(fixture.storedHistory(), QStringList({server}));
    expectSoundFiles();
}

TEST_P(TwoWorkstations, AValueTheWindowRefusesIsNeverWritten)
{
    const struct {
        const char *path;
        std::function<void()> act;
    } paths[] = {
        {"row change", [this] { window().DBG_APPLI().setActiveCell(2, 3); }},
        {"F10", [this] { QTest::keyClick(window().CTX_Status().widget(), Qt::Key_F10); }},
        {"Enreg.", [this] { window().CmdUpdate().click(); }},
        {"close", [this] { window().CmdClose().click(); }},
    };
    const struct {
        const char *status;
        const char *network;
        QString message;
    } values[] = {
        {"x", "T", wrongEnvironment},
        {"R", "Z", wrongNetwork},
    };
    for (const auto &value : values) {
        for (const auto &path : paths) {
            SCOPED_TRACE(std::string(path.path) + " " + value.status + value.network);
            if (!fixture.fparsys->form().isLoaded())
                fixture.open();
            window().DBG_APPLI().setActiveCell(2, 1);
            window().Cmd_efface().click(); // a change the row would carry along
            window().CTX_Status().setText(QString::fromUtf8(value.status));
            window().CTX_RESEAU().setText(QString::fromUtf8(value.network));
            const bool closes = QByteArray(path.path) == "close";
            if (!closes)
                fixture.dialogs.expectMessage(Answer::Ok);
            path.act();
            EXPECT_EQ(stored(1).status, QStringLiteral("R"));
            EXPECT_EQ(stored(1).network, QStringLiteral("T"));
            EXPECT_EQ(stored(1).path, bases);
            if (closes)
                continue;
            EXPECT_TRUE(lastMessageHas(value.message));
            EXPECT_EQ(window().DBG_APPLI().activeRow(), 1);
            EXPECT_EQ(window().CTX_Status().text(), QString::fromUtf8(value.status));
            window().CmdClose().click();
        }
    }
    EXPECT_TRUE(fixture.dialogs.expectationsMet());
}

TEST_P(TwoWorkstations, AClickOnAnotherRowWithARefusedValueSaysItOnceAndStays)
{
    ui::TextBox &status = window().CTX_Status();
    status.setFocus();
    status.setText(QStringLiteral("x"));
    fixture.dialogs.expectMessage(Answer::Ok);
    auto *view = static_cast<QAbstractItemView *>(window().DBG_APPLI().widget());
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                      view->visualRect(view->model()->index(2, 1)).center());
    EXPECT_EQ(fixture.dialogs.shown().size(), 1u);
    EXPECT_TRUE(lastMessageHas(wrongEnvironment));
    EXPECT_EQ(window().DBG_APPLI().activeRow(), 1);
    EXPECT_TRUE(status.hasFocus());
    EXPECT_EQ(stored(1).status, QStringLiteral("R"));

    status.setText(QStringLiteral("M"));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                      view->visualRect(view->model()->index(2, 1)).center());
    EXPECT_EQ(window().DBG_APPLI().activeRow(), 3);
    EXPECT_EQ(stored(1).status, QStringLiteral("M"));
}

INSTANTIATE_TEST_SUITE_P(Tables, TwoWorkstations, testing::Values(false, true),
                         [](const auto &param) { return param.param ? "Bare" : "Schema"; });

} // namespace
