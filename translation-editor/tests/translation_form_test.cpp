#include "translation-editor/TranslationForm.h"

#include "storage/InUse.h"
#include "tests/support/fixtures/SchemaFiles.h"
#include "tests/support/fixtures/SqliteCommand.h"
#include "tests/support/fixtures/WriteLock.h"
#include "translation-editor/tests/support/EditorInstallation.h"
#include "ui/Grid.h"
#include "ui/TextBox.h"
#include "ui/ThreeDButton.h"
#include "ui/testing/ScriptedDialogs.h"
#include "ui/tests/QtPrinters.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QSqlQuery>
#include <QTableView>
#include <functional>
#include <gtest/gtest.h>

namespace
{

using editor_testing::EditorInstallation;
using testing_support::WriteLock;
using ui::testing::ScriptedDialogs;

const QString LanguagePrompt = QStringLiteral("Choix de la langue (1 ou 2)");
const QString SelectionPrompt = QStringLiteral("Argument de sélection : ");
const QString SearchPrompt = QStringLiteral("Argument de recherche : ");
constexpr int FrenchColumn = 1;

// Run on the tables of schema/ and on tables with only their defined fields (no row key).
class TranslationFormTest : public ::testing::TestWithParam<bool>
{
protected:
    void open(int language)
    {
        m_dialogs.expectInput(QString::number(language), LanguagePrompt);
        m_form.show();
        ASSERT_TRUE(m_form.isLoaded());
    }
    ui::Grid &grid() { return m_form.grid(); }
    QStringList frenchTexts()
    {
        QStringList texts;
        for (int row = 1; row <= grid().maxRows(); ++row)
            texts << grid().cellText(FrenchColumn, row);
        return texts;
    }
    QString activeFrenchText() { return grid().cellText(FrenchColumn, grid().activeRow()); }
    void clickListButton(int index)
    {
        m_form.get<ui::ThreeDButton>(QStringLiteral("Cmd_Op_ListeTrad"), index).click();
    }
    void select(const std::optional<QString> &answer)
    {
        m_dialogs.expectInput(answer, SelectionPrompt);
        clickListButton(0);
    }
    void search(const QString &answer)
    {
        m_dialogs.expectInput(answer, SearchPrompt);
        clickListButton(1);
    }
    void quit() { m_form.get<ui::ThreeDButton>(QStringLiteral("Cmd_Quitter")).click(); }
    // Types a language 1 text into the first row and leaves it while the database refuses writes.
    void typeHelpAndLeaveTheRowUnwritten()
    {
        grid().setCellText(2, 1, QStringLiteral("Help"));
        m_dialogs.expectMessage();
        grid().setActiveCell(2, 2);
        ASSERT_FALSE(m_dialogs.shown().empty());
        EXPECT_TRUE(m_dialogs.texts().last().contains(QStringLiteral("database is locked")));
        EXPECT_TRUE(m_dialogs.texts().last().contains(QStringLiteral("Le texte saisi est conservé")));
        EXPECT_EQ(grid().cellText(2, 1), QStringLiteral("Help"));
    }
    QString comment() { return m_form.get<ui::TextBox>(QStringLiteral("CTX_Commentaire")).text(); }

    static tools::SampleOptions options(bool bareTables)
    {
        tools::SampleOptions options = editor_testing::withoutPrograms();
        if (bareTables)
            options.schemaFolder = testing_support::bareSchemaFolder();
        return options;
    }

    EditorInstallation m_installation{options(GetParam())};
    ScriptedDialogs m_dialogs;
    peluvar::TranslationForm m_form;
};

TEST_P(TranslationFormTest, ShowsOnlyTheChosenLanguageBesideTheFrenchTextInTheInitialOrder)
{
    open(2);
    EXPECT_EQ(m_form.caption(),
              QStringLiteral("Saisie des traductions (%1/BDTRAD.MDB)").arg(m_installation.databases()));
    ASSERT_EQ(grid().maxCols(), 3);
    EXPECT_EQ(grid().columnHeader(1), QStringLiteral("Langue française"));
    EXPECT_FALSE(grid().columnHidden(1));
    EXPECT_TRUE(grid().columnLocked(1));
    EXPECT_TRUE(grid().columnHidden(2));
    EXPECT_EQ(grid().columnHeader(3), QStringLiteral("Langue 2"));
    EXPECT_FALSE(grid().columnHidden(3));

    // Ordered by the language 1 column whatever the language chosen.
    EXPECT_EQ(frenchTexts(), EditorInstallation::initialOrder());
    EXPECT_EQ(grid().activeCol(), 3);
    EXPECT_EQ(grid().activeRow(), 1);
    EXPECT_EQ(grid().cellText(3, 1), QStringLiteral("Pomoc"));
    EXPECT_EQ(comment(), QStringLiteral("Note sur l'aide"));
    grid().setActiveCell(3, 6);
    EXPECT_EQ(comment(), QStringLiteral("Note sur Devis"));

    // The folder table stays open while the program runs.
    EXPECT_TRUE(storage::isInUse(m_installation.data() + QStringLiteral("/DBPATH.MDB")));
}

TEST_P(TranslationFormTest, SelectsTheRowsThatBeginWithTheAnswerWithoutItsOuterBlanks)
{
    open(1);
    const QStringList all = EditorInstallation::initialOrder();
    const struct {
        std::optional<QString> answer;
        QStringList rows;
    } cases[] = {
        {QStringLiteral("  fer "), {"Fermer la fenêtre", "Fermez d'abord tous les modules"}},
        {QStringLiteral("L'AIDE"), {"l'aide"}},
        {QStringLiteral("Fermez d'"), {"Fermez d'abord tous les modules"}},
        {QStringLiteral("FERMER LA FENÊTRE"), {"Fermer la fenêtre"}},
        {QStringLiteral("' OR 1=1 --"), {}},
        {QStringLiteral("zzz"), {}},
        {QString(), all},
        {std::nullopt, all},
    };
    for (const auto &selection : cases) {
        select(selection.answer);
        EXPECT_EQ(frenchTexts(), selection.rows) << selection.answer.value_or("Cancel").toStdString();
    }
    EXPECT_TRUE(m_form.isLoaded());
    EXPECT_TRUE(m_dialogs.expectationsMet());
}

TEST_P(TranslationFormTest, AnEmptySelectionShowsNoRowAndNoComment)
{
    open(1);
    select(QStringLiteral("zzz"));
    EXPECT_EQ(grid().maxRows(), 0);
    EXPECT_EQ(comment(), QString());
    search(QStringLiteral("a"));
    EXPECT_EQ(grid().activeRow(), 0);
}

TEST_P(TranslationFormTest, SearchMovesToTheFirstRowOfTheCurrentOrderThatContainsTheAnswer)
{
    open(1);
    search(QStringLiteral("ER"));
    EXPECT_EQ(activeFrenchText(), QStringLiteral("Fermer la fenêtre"));
    EXPECT_EQ(grid().activeCol(), 2);
    search(QStringLiteral("d'abord"));
    EXPECT_EQ(activeFrenchText(), QStringLiteral("Fermez d'abord tous les modules"));
    search(QStringLiteral("absent"));
    EXPECT_EQ(activeFrenchText(), QStringLiteral("Fermez d'abord tous les modules"));

    clickListButton(2);
    search(QStringLiteral("i"));
    EXPECT_EQ(activeFrenchText(), QStringLiteral("Devis"));
}

TEST_P(TranslationFormTest, SearchInASelectionLooksOnlyAmongTheSelectedRows)
{
    open(1);
    select(QStringLiteral("Fer"));
    search(QStringLiteral("Quit"));
    EXPECT_EQ(grid().activeRow(), 1);
    search(QStringLiteral("MODULES"));
    EXPECT_EQ(grid().activeRow(), 2);
}

TEST_P(TranslationFormTest, SortOrdersByTheFrenchTextAndRestoreBringsBackTheInitialList)
{
    open(2);
    select(QStringLiteral("F"));
    clickListButton(2);
    EXPECT_EQ(frenchTexts(), EditorInstallation::frenchOrder());
    EXPECT_EQ(grid().activeCol(), 3);
    clickListButton(3);
    EXPECT_EQ(frenchTexts(), EditorInstallation::initialOrder());
    EXPECT_FALSE(grid().columnHidden(3));
    EXPECT_TRUE(grid().columnHidden(2));
}

// Accented capitals sort among their letters in both orders; accents, then case, break ties.
TEST_P(TranslationFormTest, BothOrdersSortFrenchTextIgnoringAccentsAndCaseFirst)
{
    // French text and language 1, inserted in no particular order.
    const char *const rows[][2] = {
        {"Zone", "Zone"},
        {"côte", "côte"},
        {"étiquette", "étiquette"},
        {"coté", nullptr},
        {"Bons", "Bons"},
        {"Échéance", "Échéance"},
        {"Cote", ""},
        {"Fermer", "Fermer"},
        {"Côte", "côte"},
        {"achats", "achats"},
        {"cote", nullptr},
        {"Devis client", "Devis client"},
        {"Aide devis", "Aide devis"},
    };
    m_installation.execute(QStringLiteral("DELETE FROM TTRAD"));
    for (const auto &row : rows)
        m_installation.execute(
            QStringLiteral("INSERT INTO TTRAD (T_VALEUR, T_TRAD1) VALUES (?, ?)"),
            {QString::fromUtf8(row[0]), row[1] ? QVariant(QString::fromUtf8(row[1])) : QVariant()});
    open(1);
    const struct {
        int button;
        QStringList order;
    } orders[] = {
        // Language 1 first (Null, then "", then the texts), then the French text.
        {3,
         {"cote", "coté", "Cote", "achats", "Aide devis", "Bons", "côte", "Côte", "Devis client", "Échéance",
          "étiquette", "Fermer", "Zone"}},
        {2,
         {"achats", "Aide devis", "Bons", "cote", "Cote", "coté", "côte", "Côte", "Devis client", "Échéance",
          "étiquette", "Fermer", "Zone"}},
    };
    for (const auto &order : orders) {
        clickListButton(order.button);
        EXPECT_EQ(frenchTexts(), order.order) << order.button;
    }
    // The order is the queries' own: the file declares nothing that the sqlite3 command lacks.
    EXPECT_EQ(testing_support::sqlite3Command(m_installation.translationDatabase(),
                                              QStringLiteral("PRAGMA integrity_check")),
              QStringLiteral("ok"));
}

TEST_P(TranslationFormTest, AnEditIsWrittenWhenTheRowIsLeftAndTheFrenchTextIsLocked)
{
    open(1);
    grid().setCellText(2, 1, QStringLiteral("Help"));
    grid().setCellText(FrenchColumn, 1, QStringLiteral("l'aide en ligne"));
    EXPECT_FALSE(m_installation.stored(QStringLiteral("l'aide"), QStringLiteral("T_TRAD1")).isValid());

    grid().setActiveCell(2, 2);
    EXPECT_EQ(m_installation.stored(QStringLiteral("l'aide"), QStringLiteral("T_TRAD1")).toString(),
              QStringLiteral("Help"));
    EXPECT_EQ(grid().cellText(FrenchColumn, 1), QStringLiteral("l'aide"));
}

TEST_P(TranslationFormTest, TextBeingTypedAtTheQuitButtonIsWritten)
{
    open(2);
    auto *view = static_cast<QTableView *>(grid().widget());
    const QModelIndex devis = view->model()->index(5, 2);
    ASSERT_EQ(view->model()->data(view->model()->index(5, 0)).toString(), QStringLiteral("Devis"));
    view->setCurrentIndex(devis);
    view->edit(devis);
    QLineEdit *editor = nullptr;
    for (QLineEdit *candidate : view->viewport()->findChildren<QLineEdit *>())
        if (candidate->isVisible())
            editor = candidate;
    ASSERT_NE(editor, nullptr);
    editor->setText(QStringLiteral("Oferty"));

    quit();
    EXPECT_FALSE(m_form.isLoaded());
    EXPECT_EQ(m_installation.stored(QStringLiteral("Devis"), QStringLiteral("T_TRAD2")).toString(),
              QStringLiteral("Oferty"));
}

TEST_P(TranslationFormTest, AWriteThatFailsSaysSoAndKeepsTheTypedText)
{
    open(1);
    m_installation.execute(QStringLiteral("CREATE TRIGGER held BEFORE UPDATE ON TTRAD "
                                          "BEGIN SELECT RAISE(ABORT, 'database is locked'); END"));
    typeHelpAndLeaveTheRowUnwritten();

    // A list change first writes the edit: refused, the list stays.
    m_dialogs.expectInput(QStringLiteral("Fer"), SelectionPrompt);
    m_dialogs.expectMessage();
    clickListButton(0);
    EXPECT_EQ(frenchTexts(), EditorInstallation::initialOrder());

    m_dialogs.expectMessage(ui::Answer::No);
    quit();
    EXPECT_TRUE(m_form.isLoaded());
    EXPECT_EQ(m_dialogs.shown().back().buttons, ui::MessageButtons::YesNo);

    m_installation.execute(QStringLiteral("DROP TRIGGER held"));
    quit();
    EXPECT_FALSE(m_form.isLoaded());
    EXPECT_EQ(m_installation.stored(QStringLiteral("l'aide"), QStringLiteral("T_TRAD1")).toString(),
              QStringLiteral("Help"));
}

TEST_P(TranslationFormTest, AnEditDoesNotReplaceWhatAnotherWorkstationWroteSinceTheRowWasRead)
{
    open(1);
    const int achats = 4; // "Achats", read as "Purchasing"
    const struct {
        const char *who;
        std::function<void()> write;
    } others[] = {
        {"another workstation",
         [&] {
             m_installation.execute(
                 QStringLiteral("UPDATE TTRAD SET T_TRAD1 = 'Buying' WHERE T_VALEUR = 'Achats'"));
         }},
        {"the sqlite3 command",
         [&] {
             QCoreApplication::processEvents(); // idle: the editor holds no read of the file
             testing_support::sqlite3Command(
                 m_installation.translationDatabase(),
                 QStringLiteral("UPDATE TTRAD SET T_TRAD1 = 'Buying' WHERE T_VALEUR = 'Achats';"));
         }},
    };
    for (const auto &other : others) {
        SCOPED_TRACE(other.who);
        m_installation.execute(
            QStringLiteral("UPDATE TTRAD SET T_TRAD1 = 'Purchasing' WHERE T_VALEUR = 'Achats'"));
        clickListButton(3); // the list read again: "Purchasing"
        grid().setActiveCell(2, achats);
        other.write();
        grid().setCellText(2, achats, QStringLiteral("Procurement"));
        m_dialogs.expectMessage();
        grid().setActiveCell(2, 1);
        ASSERT_FALSE(m_dialogs.shown().empty());
        EXPECT_TRUE(
            m_dialogs.texts().last().contains(QStringLiteral("un autre poste l'a changée ou supprimée")));
        EXPECT_TRUE(m_dialogs.texts().last().contains(QStringLiteral("T_TRAD1 : « Buying »")));
        EXPECT_TRUE(m_dialogs.texts().last().contains(QStringLiteral("Le texte saisi est conservé")));
        EXPECT_EQ(m_installation.stored(QStringLiteral("Achats"), QStringLiteral("T_TRAD1")).toString(),
                  QStringLiteral("Buying"));
        EXPECT_EQ(grid().activeRow(), achats);
        EXPECT_EQ(grid().cellText(2, achats), QStringLiteral("Procurement"));

        // Left again, knowingly: written.
        grid().setActiveCell(2, 1);
        EXPECT_EQ(m_installation.stored(QStringLiteral("Achats"), QStringLiteral("T_TRAD1")).toString(),
                  QStringLiteral("Procurement"));
    }
    EXPECT_EQ(testing_support::sqlite3Command(m_installation.translationDatabase(),
                                              QStringLiteral("PRAGMA integrity_check;")),
              QStringLiteral("ok"));
}

TEST_P(TranslationFormTest, AnEditHeldBackByAnotherWorkstationsLockIsKeptAndWrittenOnceTheLockIsGone)
{
    open(1);
    // The wait for the lock is cut short; what follows the wait is what counts here.
    ASSERT_TRUE(QSqlQuery(m_form.texts().database()).exec(QStringLiteral("PRAGMA busy_timeout = 50")));
    {
        const WriteLock otherWorkstation(m_installation.translationDatabase());
        typeHelpAndLeaveTheRowUnwritten();
        EXPECT_FALSE(m_installation.stored(QStringLiteral("l'aide"), QStringLiteral("T_TRAD1")).isValid());
    }
    grid().setActiveCell(2, 3);
    EXPECT_EQ(m_installation.stored(QStringLiteral("l'aide"), QStringLiteral("T_TRAD1")).toString(),
              QStringLiteral("Help"));
    EXPECT_TRUE(m_dialogs.expectationsMet());
}

// Another program filled the table again, in another order: every row has a new rowid.
void renumberRows(const EditorInstallation &installation)
{
    installation.execute(QStringLiteral("CREATE TABLE KEPT AS SELECT * FROM TTRAD"));
    installation.execute(QStringLiteral("DELETE FROM TTRAD"));
    installation.execute(QStringLiteral("INSERT INTO TTRAD SELECT * FROM KEPT ORDER BY T_VALEUR DESC"));
    installation.execute(QStringLiteral("DROP TABLE KEPT"));
}

using RowsWithoutKeyTest = TranslationFormTest;

TEST_P(RowsWithoutKeyTest, AnEditFindsItsRowUnderANewRowidAndNeverWritesAnother)
{
    open(1);
    renumberRows(m_installation);
    grid().setCellText(2, 1, QStringLiteral("Help"));
    grid().setActiveCell(2, 2);
    EXPECT_EQ(m_installation.stored(QStringLiteral("l'aide"), QStringLiteral("T_TRAD1")).toString(),
              QStringLiteral("Help"));
    for (const char *other : {"Fermer la fenêtre", "Devis", "Quitter"})
        EXPECT_NE(m_installation.stored(QString::fromUtf8(other), QStringLiteral("T_TRAD1")).toString(),
                  QStringLiteral("Help"))
            << other;

    // A row that another workstation changed meanwhile is not taken for this one.
    m_installation.execute(
        QStringLiteral("UPDATE TTRAD SET T_COMMENTAIRE = 'changée' WHERE T_VALEUR = 'Quitter'"));
    renumberRows(m_installation);
    grid().setCellText(2, 5, QStringLiteral("Exit"));
    m_dialogs.expectMessage();
    grid().setActiveCell(2, 1);
    ASSERT_FALSE(m_dialogs.shown().empty());
    EXPECT_TRUE(m_dialogs.texts().last().contains(QStringLiteral("Le texte saisi est conservé")));
    EXPECT_EQ(grid().cellText(2, 5), QStringLiteral("Exit"));
    EXPECT_EQ(m_installation.stored(QStringLiteral("Quitter"), QStringLiteral("T_TRAD1")).toString(),
              QStringLiteral("Quit"));
    storage::QueryCursor exits =
        storage::Database::open(m_installation.translationDatabase())
            .openQuery(QStringLiteral("SELECT T_VALEUR FROM TTRAD WHERE T_TRAD1 = 'Exit'"));
    EXPECT_TRUE(exits.atEnd()) << exits.value(0).toString().toStdString();
}

INSTANTIATE_TEST_SUITE_P(Tables, TranslationFormTest, ::testing::Values(false, true),
                         [](const auto &param) { return param.param ? "Bare" : "Schema"; });
INSTANTIATE_TEST_SUITE_P(Tables, RowsWithoutKeyTest, ::testing::Values(true),
                         [](const auto &) { return "Bare"; });

} // namespace
