#include "template-manager/TemplateList.h"

#include "tests/support/fixtures/TempFolder.h"

#include <QFile>
#include <gtest/gtest.h>

namespace
{

using testing_support::TempFolder;

class TemplateListTest : public ::testing::Test
{
protected:
    TemplateListTest()
    {
        modarin::Init_Tab_Modeles(m_table);
        QDir(m_temp.path()).mkdir("modeles");
        for (const char *name : {"facgen2.dot", "Relance1.dot", "D12.DOT", "CMDFOU01.DOT", "VIDE.DOT",
                                 "notes.txt", "FACMAG01.DOTX", ".cache.dot"})
            touch(m_temp.file("modeles/") + name);
        QDir(m_temp.path()).mkpath("modeles/FACPROF.DOT"); // a folder, not a template
    }

    static void touch(const QString &path)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    }
    QString folder() const { return m_temp.file("modeles/"); }
    QStringList listed(const QString &CheminDot, const std::optional<QString> &module = std::nullopt) const
    {
        return modarin::listedTemplates(CheminDot, m_table, module);
    }

    TempFolder m_temp;
    modarin::FamilyTable m_table;
};

TEST_F(TemplateListTest, EveryTemplateIsListedInUpperCaseInTheFolderOrder)
{
    EXPECT_EQ(listed(folder()),
              QStringList({"CMDFOU01.DOT", "D12.DOT", "FACGEN2.DOT", "RELANCE1.DOT", "VIDE.DOT"}));
}

TEST_F(TemplateListTest, AModuleListsOnlyItsFamilies)
{
    EXPECT_EQ(listed(folder(), "TORBAPRO"), QStringList({"CMDFOU01.DOT", "RELANCE1.DOT"}));
    EXPECT_EQ(listed(folder(), "TORBPRIX"), QStringList({"D12.DOT"}));
    EXPECT_EQ(listed(folder(), "TORBCOM"), QStringList({"FACGEN2.DOT"}));
    EXPECT_TRUE(listed(folder(), "TORBVEH").isEmpty());
}

TEST_F(TemplateListTest, TheFolderIsTakenAsStoredWithNoSeparatorAdded)
{
    // Without its final "/", the folder text becomes the beginning of the file names.
    EXPECT_TRUE(listed(m_temp.file("modeles")).isEmpty());
    touch(m_temp.file("modelesANCIEN.dot"));
    EXPECT_EQ(listed(m_temp.file("modeles")), QStringList({"MODELESANCIEN.DOT"}));
    // The folder is found ignoring case, as every path of the suite.
    EXPECT_EQ(listed(m_temp.file("MODELES/")).size(), 5);
}

TEST_F(TemplateListTest, AMissingFolderOrNoFolderListsNothing)
{
    EXPECT_TRUE(listed(m_temp.file("absent/")).isEmpty());
    EXPECT_TRUE(listed(QString()).isEmpty());
}

} // namespace
