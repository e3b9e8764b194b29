#include "template-manager/tests/support/TemplateInstallation.h"

#include "platform/Failure.h"
#include "tests/support/fixtures/SchemaFiles.h"
#include "tools/sample-installation/SampleDatabases.h"
#include "ui/Form.h"

#include <QFile>
#include <gtest/gtest.h>

namespace
{

using modarin::FModarin;
using templates_testing::TemplateInstallation;

const QString kEmptyTable = "La table TPATH est vide. Chemins d'accès non définis";

class TemplateStartTest : public TemplateInstallation
{
protected:
    using TemplateInstallation::TemplateInstallation;

    // A folder table whose row 2 names the folder given.
    void makeFolderTable(const QString &file, const QString &templates)
    {
        tools::createSampleDatabase(file, qEnvironmentVariable("TORB_SOURCE_DIR") + "/schema",
                                    {tools::folderTableRows({{2, "MODELES", templates, {}, {}, "M", " "}})});
    }
    void changeFolderTable(const QString &sql)
    {
        storage::Database::open(m_installation.path("SOC1/DBPATH.MDB")).execute(sql);
    }
    std::optional<QString> templateRowFolder()
    {
        const std::optional<modarin::TemplateRow> row = modarin::readTemplateRow(m_folders, m_dialogs);
        EXPECT_TRUE(row);
        return row ? row->folder : std::nullopt;
    }
};

TEST_F(TemplateStartTest, TheFolderTableOfTheCurrentFolderComesBeforeTheInstallationFolder)
{
    makeFolderTable(m_folders.installation + "DBPATH.MDB", "/installation/modeles/");
    EXPECT_EQ(templateRowFolder(), templateFolder());

    // Without one in the current folder, the installation folder's is read, whatever the current folder.
    m_folders.current = m_installation.templates();
    EXPECT_EQ(templateRowFolder(), "/installation/modeles/");
    EXPECT_TRUE(m_dialogs.shown().empty());
}

TEST_F(TemplateStartTest, WithoutAFolderTableTheMessageNamesTheProgramFolderAndNoWindowComes)
{
    m_folders.current = m_installation.templates();
    m_dialogs.expectMessage(ui::Answer::Ok,
                            "Fichier " + m_installation.programs() + "/DBPATH.MDB introuvable...");
    EXPECT_EQ(start(), nullptr);
    EXPECT_TRUE(ui::loadedForms().empty());
}

TEST_F(TemplateStartTest, AnEmptyFolderTableEndsTheProgramAfterItsMessage)
{
    changeFolderTable("DELETE FROM TPATH");
    m_dialogs.expectMessage(ui::Answer::Ok, kEmptyTable);
    EXPECT_EQ(start(), nullptr);
    EXPECT_TRUE(ui::loadedForms().empty());
}

TEST_F(TemplateStartTest, AFolderTableThatCannotBeReadIsARuntimeError)
{
    QFile file(m_installation.path("SOC1/DBPATH.MDB"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("pas une base de données, mais un texte assez long pour remplir un en-tête");
    file.close();
    EXPECT_THROW(start(), platform::Failure);
}

TEST_F(TemplateStartTest, TheWindowShowsTheTemplateFolderAsStored)
{
    FModarin *window = start();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isShown());
    EXPECT_EQ(window->pathLabel().text(), templateFolder());
    EXPECT_EQ(window->cheminDot(), templateFolder());
    EXPECT_TRUE(window->hasSignets());
    EXPECT_TRUE(m_dialogs.shown().empty());
}

class TemplateRowOrderTest : public TemplateStartTest
{
public:
    // Row 2 is stored last, with a folder that has no final separator.
    static tools::SampleOptions rowTwoLast()
    {
        tools::SampleOptions options;
        options.folderRows =
            QList<storage::FolderRow>{{5, "TORBPRIX", QString("/bases/"), {}, {}, "M", " "},
                                      {1, "TORBSTOC", QString("/bases/"), {}, {}, "M", " "},
                                      {2, "MODELES", QString("/srv/Modèles"), {}, {}, "M", " "}};
        return options;
    }
    TemplateRowOrderTest() : TemplateStartTest(rowTwoLast()) {}
};

TEST_F(TemplateRowOrderTest, KeyTwoIsFoundWhereverItIsStoredAndItsFolderIsTakenUnchanged)
{
    FModarin *window = start();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->cheminDot(), "/srv/Modèles");
    EXPECT_EQ(window->pathLabel().text(), "/srv/Modèles");
}

// The folder table and SIGNETS.MDB with only the fields of their tables: no row key of ours.
class BareTablesTemplateStartTest : public TemplateStartTest
{
protected:
    static tools::SampleOptions bareRowTwoLast()
    {
        tools::SampleOptions options = TemplateRowOrderTest::rowTwoLast();
        options.schemaFolder = testing_support::bareSchemaFolder();
        return options;
    }
    BareTablesTemplateStartTest() : TemplateStartTest(bareRowTwoLast()) {}
};

TEST_F(BareTablesTemplateStartTest, KeyTwoIsFoundAndTheBookmarksLoad)
{
    FModarin *window = start();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->cheminDot(), "/srv/Modèles");
    EXPECT_TRUE(m_dialogs.shown().empty()) << "no \"Form load : \" message";
}

TEST_F(TemplateStartTest, WithoutARowOfKeyTwoTheWindowComesWithoutFolderOrTemplates)
{
    changeFolderTable("DELETE FROM TPATH WHERE TPATH_NUM = 2");
    FModarin *window = start();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isShown());
    EXPECT_FALSE(window->pathLabel().visible());
    EXPECT_TRUE(window->cheminDot().isEmpty());
    EXPECT_EQ(window->templateList().listCount(), 0);
    EXPECT_TRUE(m_dialogs.shown().empty());
}

TEST_F(TemplateStartTest, ARowOfKeyTwoWithoutFolderIsTakenAsNoTemplateRow)
{
    changeFolderTable("UPDATE TPATH SET TPATH_PATH = NULL WHERE TPATH_NUM = 2");
    EXPECT_EQ(templateRowFolder(), std::nullopt);
}

class MissingSignetsTest : public TemplateStartTest
{
protected:
    static tools::SampleOptions withoutSignets()
    {
        tools::SampleOptions options;
        options.leaveOut = QStringList{"programmes/SIGNETS.MDB"};
        return options;
    }
    MissingSignetsTest() : TemplateStartTest(withoutSignets()) {}
};

TEST_F(MissingSignetsTest, OneFormLoadMessageThenTheWindowWorks)
{
    m_dialogs.expectMessage();
    FModarin *window = start();
    ASSERT_NE(window, nullptr);
    ASSERT_EQ(m_dialogs.shown().size(), 1u);
    EXPECT_TRUE(m_dialogs.shown()[0].text.startsWith("Form load : "))
        << m_dialogs.shown()[0].text.toStdString();
    EXPECT_FALSE(window->hasSignets());

    EXPECT_EQ(window->templateList().listCount(), 11);
    window->templateList().setText("D12.DOT");
    EXPECT_EQ(window->infoLabel().text(), "Devis (TORBPRIX) ou Autres");
    window->openButton().click();
    EXPECT_EQ(m_office.log.first(), "1 open " + templateFolder() + "D12.DOT");
    window->quitButton().click();
    EXPECT_FALSE(window->isLoaded());
    EXPECT_EQ(m_dialogs.shown().size(), 1u);
}

} // namespace
