#include "translation-editor/EditorStart.h"

#include "translation-editor/tests/support/EditorInstallation.h"
#include "ui/testing/ScriptedDialogs.h"

#include <QFile>
#include <gtest/gtest.h>

namespace
{

using editor_testing::EditorInstallation;
using ui::testing::ScriptedDialogs;

const QString PathPrompt = QStringLiteral("Chemin d'accès à la base de traduction :");

class EditorStartTest : public ::testing::Test
{
protected:
    void changeFolderTable(const QString &sql, const QVariantList &values = {})
    {
        storage::Database::open(m_installation.data() + QStringLiteral("/DBPATH.MDB")).execute(sql, values);
    }
    std::optional<peluvar::TranslationDatabase> find()
    {
        return peluvar::findTranslationDatabase(m_installation.data(), m_dialogs);
    }

    EditorInstallation m_installation{editor_testing::withoutPrograms()};
    ScriptedDialogs m_dialogs;
};

TEST_F(EditorStartTest, FindsTheDatabaseInTheFolderOfTheFirstTpathRowWithoutAsking)
{
    const auto found = find();
    ASSERT_TRUE(found);
    EXPECT_EQ(found->folder, m_installation.databases() + QLatin1Char('/'));
    EXPECT_EQ(found->path, m_installation.translationDatabase());
    EXPECT_TRUE(m_dialogs.shown().empty());
    EXPECT_EQ(peluvar::captionWithDatabase(QStringLiteral("Saisie des traductions"), found->folder),
              QStringLiteral("Saisie des traductions (%1/BDTRAD.MDB)").arg(m_installation.databases()));
}

TEST_F(EditorStartTest, AsksForTheFolderWhenTheDatabaseIsNotThere)
{
    const QString elsewhere = m_installation.installation().templates() + QLatin1Char('/');
    changeFolderTable(QStringLiteral("UPDATE TPATH SET TPATH_PATH = ? WHERE TPATH_NUM = 1"), {elsewhere});
    m_dialogs.expectInput(m_installation.databases() + QLatin1Char('/'), PathPrompt);

    const auto found = find();
    ASSERT_TRUE(found);
    EXPECT_EQ(found->path, m_installation.translationDatabase());
    ASSERT_EQ(m_dialogs.shown().size(), 1u);
    EXPECT_EQ(m_dialogs.shown()[0].title, QStringLiteral("Accés à la base"));
    EXPECT_EQ(m_dialogs.shown()[0].defaultText, elsewhere);
}

TEST_F(EditorStartTest, CancellingThePathQuestionFindsTheDatabaseOfTheCurrentFolder)
{
    changeFolderTable(QStringLiteral("UPDATE TPATH SET TPATH_PATH = ?"), {QStringLiteral("/nowhere/")});
    ASSERT_TRUE(QFile::copy(m_installation.translationDatabase(),
                            m_installation.data() + QStringLiteral("/bdtrad.mdb")));
    m_dialogs.expectInput(std::nullopt, PathPrompt);

    const auto found = find();
    ASSERT_TRUE(found);
    EXPECT_EQ(found->folder, QString());
    EXPECT_EQ(found->path, m_installation.data() + QStringLiteral("/BDTRAD.MDB"));
}

TEST_F(EditorStartTest, EndsWithTheMissingPathWhenTheAnswerNamesNoDatabase)
{
    changeFolderTable(QStringLiteral("UPDATE TPATH SET TPATH_PATH = ?"), {QStringLiteral("/nowhere/")});
    // The file name follows the answer directly: a folder typed without its final "/" misses it.
    m_dialogs.expectInput(m_installation.databases(), PathPrompt);
    m_dialogs.expectMessage(ui::Answer::Ok,
                            m_installation.databases() + QStringLiteral("BDTRAD.MDB introuvable ..."));
    EXPECT_FALSE(find());

    m_dialogs.expectInput(std::nullopt, PathPrompt);
    m_dialogs.expectMessage(ui::Answer::Ok, QStringLiteral("BDTRAD.MDB introuvable ..."));
    EXPECT_FALSE(find());
}

TEST_F(EditorStartTest, TellsWhichPartOfTheFolderTableIsMissing)
{
    changeFolderTable(QStringLiteral("UPDATE TPATH SET TPATH_PATH = NULL WHERE TPATH_NUM = 1"));
    m_dialogs.expectMessage();
    EXPECT_FALSE(find());
    EXPECT_TRUE(m_dialogs.texts().last().contains(QStringLiteral("n'a pas de chemin")));

    changeFolderTable(QStringLiteral("DELETE FROM TPATH"));
    m_dialogs.expectMessage();
    EXPECT_FALSE(find());
    EXPECT_TRUE(m_dialogs.texts().last().contains(QStringLiteral("TPATH")));
    EXPECT_TRUE(m_dialogs.texts().last().contains(QStringLiteral("est vide")));

    // A damaged file is told in French, with its name.
    const QString dbpath = m_installation.data() + QStringLiteral("/DBPATH.MDB");
    {
        QFile file(dbpath);
        ASSERT_TRUE(file.resize(4096));
    }
    m_dialogs.expectMessage();
    EXPECT_FALSE(find());
    EXPECT_TRUE(
        m_dialogs.texts().last().startsWith(QStringLiteral("La base '%1' est endommagée").arg(dbpath)))
        << m_dialogs.texts().last().toStdString();

    QFile::remove(dbpath);
    m_dialogs.expectMessage(ui::Answer::Ok, dbpath + QStringLiteral(" introuvable ..."));
    EXPECT_FALSE(find());
}

TEST(LanguageQuestionTest, AsksAgainUntilTheAnswerIsExactlyOneOrTwo)
{
    ScriptedDialogs dialogs;
    const QString prompt = QStringLiteral("Choix de la langue (1 ou 2)");
    for (const std::optional<QString> &refused :
         {std::optional<QString>(), std::optional<QString>(""), std::optional<QString>("1 "),
          std::optional<QString>(" 2"), std::optional<QString>("3"), std::optional<QString>("01")})
        dialogs.expectInput(refused, prompt);
    dialogs.expectInput(QStringLiteral("2"), prompt);

    EXPECT_EQ(peluvar::askLanguage(dialogs), 2);
    EXPECT_EQ(dialogs.shown().size(), 7u);
    EXPECT_EQ(dialogs.shown()[0].defaultText, QString());

    dialogs.expectInput(QStringLiteral("1"), prompt);
    EXPECT_EQ(peluvar::askLanguage(dialogs), 1);
}

} // namespace
