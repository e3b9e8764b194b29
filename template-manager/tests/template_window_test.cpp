#include "template-manager/tests/support/TemplateInstallation.h"

#include "platform/OfficeLibreOffice.h"
#include "ui/Program.h"
#include "ui/tests/QtPrinters.h"

#include <QListWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace
{

using modarin::FModarin;
using templates_testing::TemplateInstallation;

const QStringList kEveryTemplate{"ACRSDT1.DOT",  "AVOIRS.DOT",  "BLIVRAIS.DOT", "CMDFOU01.DOT",
                                 "D12.DOT",      "FACGEN2.DOT", "FACMAG01.DOT", "FACPROF3.DOT",
                                 "RELANCE1.DOT", "RELVEH9.DOT", "VIDE.DOT"};

class TemplateWindowTest : public TemplateInstallation
{
protected:
    TemplateWindowTest()
    {
        m_shown = start();
        EXPECT_NE(m_shown, nullptr);
    }

    QStringList listed() const
    {
        QStringList names;
        for (int index = 0; index < m_shown->templateList().listCount(); ++index)
            names.append(m_shown->templateList().list(index));
        return names;
    }
    void chooseModule(const QString &module) { m_shown->moduleChoice().setText(module); }
    void chooseTemplate(const QString &name) { m_shown->templateList().setText(name); }
    QString opening(int instance, const QString &name) const
    {
        return QString::number(instance) + " open " + templateFolder() + name;
    }
    QStringList openedAndShown(int instance, const QString &name) const
    {
        const QString number = QString::number(instance);
        return {opening(instance, name), number + " visible", number + " activate"};
    }

    FModarin *m_shown = nullptr;
};

TEST_F(TemplateWindowTest, AtStartEveryTemplateIsListedInUpperCaseUnderTous)
{
    EXPECT_EQ(m_shown->moduleChoice().text(), "Tous");
    EXPECT_EQ(listed(), kEveryTemplate);
    EXPECT_TRUE(m_shown->nameBox().text().isEmpty());
    EXPECT_TRUE(m_shown->infoLabel().text().isEmpty());
}

TEST_F(TemplateWindowTest, TheComboOffersItsFiveModulesAndFiltersTheList)
{
    ui::ComboBox &modules = m_shown->moduleChoice();
    ASSERT_EQ(modules.listCount(), 5);
    EXPECT_EQ(
        QStringList({modules.list(0), modules.list(1), modules.list(2), modules.list(3), modules.list(4)}),
        QStringList({"Tous", "TORBCOM", "TORBAPRO", "TORBVEH", "TORBPRIX"}));

    chooseModule("TORBAPRO");
    EXPECT_EQ(listed(), QStringList({"CMDFOU01.DOT", "RELANCE1.DOT"}));
    chooseModule("TORBPRIX");
    EXPECT_EQ(listed(), QStringList({"D12.DOT", "FACPROF3.DOT"}));
    chooseModule("TORBCOM");
    EXPECT_EQ(listed(),
              QStringList({"ACRSDT1.DOT", "AVOIRS.DOT", "BLIVRAIS.DOT", "FACGEN2.DOT", "FACMAG01.DOT"}));
    chooseModule("Tous");
    EXPECT_EQ(listed(), kEveryTemplate);
}

TEST_F(TemplateWindowTest, AChosenTemplateKeepsItsNameAndDescriptionAcrossFilters)
{
    chooseTemplate("FACGEN2.DOT");
    EXPECT_EQ(m_shown->nameBox().text(), "FACGEN2.DOT");
    EXPECT_EQ(m_shown->infoLabel().text(), "Factures Affaires Sur-mesure (TORBCOM)");

    chooseModule("TORBVEH");
    EXPECT_EQ(listed(), QStringList({"RELVEH9.DOT"}));
    EXPECT_EQ(m_shown->nameBox().text(), "FACGEN2.DOT");
    EXPECT_EQ(m_shown->infoLabel().text(), "Factures Affaires Sur-mesure (TORBCOM)");

    // The path is the folder label followed by the listed (upper-case) name, stored "facgen2.dot".
    m_shown->openButton().click();
    EXPECT_EQ(m_office.log, openedAndShown(1, "FACGEN2.DOT"));
}

TEST_F(TemplateWindowTest, ADoubleClickOnAnEntryOpensIt)
{
    auto *list = static_cast<QListWidget *>(m_shown->templateList().widget());
    const QRect entry = list->visualItemRect(list->item(kEveryTemplate.indexOf("RELVEH9.DOT")));
    // The events of a real double-click: a click, then a press that turns into the double-click.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, entry.center());
    QTest::mousePress(list->viewport(), Qt::LeftButton, {}, entry.center());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, entry.center());
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, entry.center());
    EXPECT_EQ(m_shown->nameBox().text(), "RELVEH9.DOT");
    EXPECT_EQ(m_shown->infoLabel().text(), "Relances véhicule (TORBVEH)");
    EXPECT_EQ(m_office.log, openedAndShown(1, "RELVEH9.DOT"));
}

TEST_F(TemplateWindowTest, TheOpenButtonWithNothingChosenOnlyMovesTheFocusToTheList)
{
    m_shown->quitButton().setFocus();
    m_shown->openButton().click();
    EXPECT_EQ(m_shown->window()->focusWidget(), m_shown->templateList().widget());
    EXPECT_EQ(m_office.created, 0);
}

TEST_F(TemplateWindowTest, QuitClosesAndQuitsOnlyTheLatestInstance)
{
    chooseTemplate("D12.DOT");
    m_shown->openButton().click();
    chooseTemplate("VIDE.DOT");
    m_shown->openButton().click();
    EXPECT_EQ(m_office.created, 2);

    m_shown->quitButton().click();
    QStringList expected = openedAndShown(1, "D12.DOT") + openedAndShown(2, "VIDE.DOT");
    expected << "2 close"
             << "2 quit";
    EXPECT_EQ(m_office.log, expected);
    EXPECT_FALSE(m_shown->isLoaded());
}

TEST_F(TemplateWindowTest, QuitWithoutAnOpeningEndsSilently)
{
    m_shown->quitButton().click();
    EXPECT_FALSE(m_shown->isLoaded());
    EXPECT_TRUE(m_office.log.isEmpty());
    EXPECT_TRUE(m_dialogs.shown().empty());
}

// A starter that must not be reached.
class NoStarter : public platform::ProcessStarter
{
public:
    qint64 start(const QString &program, const QStringList &) override
    {
        ADD_FAILURE() << "started " << program.toStdString();
        return 0;
    }
    bool isRunning(qint64) const override { return false; }
};

// Records the programs started instead of starting them.
class RecordingStarter : public platform::ProcessStarter
{
public:
    qint64 start(const QString &program, const QStringList &arguments) override
    {
        started.append(program + ' ' + arguments.join(' '));
        return 4242;
    }
    bool isRunning(qint64) const override { return false; }

    QStringList started;
};

// "ß" has no one capital letter: the listed name keeps it and still names the file.
TEST_F(TemplateWindowTest, ATemplateNamedWithSharpSIsListedAndOpened)
{
    const QString document = templateFolder() + "Lettre Straße.dot";
    QFile(document).open(QIODevice::WriteOnly);
    const QString soffice = m_installation.path("office/soffice");
    QDir().mkpath(m_installation.path("office"));
    QFile script(soffice);
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\n");
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    RecordingStarter starter;
    platform::LibreOffice office(starter, m_installation.path("office"));
    FModarin window(m_installation.programs(), office);
    window.show();
    window.setCheminDot(templateFolder());
    window.Remplir_ListeDot(0);
    window.templateList().setText("LETTRE STRAßE.DOT");
    EXPECT_EQ(window.templateList().text(), "LETTRE STRAßE.DOT");

    window.openButton().click();
    EXPECT_EQ(starter.started, QStringList({soffice + " -o " + document}));
    EXPECT_TRUE(m_dialogs.shown().empty());
    EXPECT_TRUE(window.isLoaded());
    window.discard();
}

TEST_F(TemplateWindowTest, WithoutLibreOfficeTheOpeningEndsTheProgramWithARuntimeError)
{
    NoStarter starter;
    platform::LibreOffice office(starter, m_installation.programs());
    FModarin window(m_installation.programs(), office);
    window.show();
    window.setCheminDot(templateFolder());
    window.Remplir_ListeDot(0);
    window.templateList().setText("D12.DOT");
    m_dialogs.expectMessage();

    window.openButton().click();
    ASSERT_EQ(m_dialogs.shown().size(), 1u);
    EXPECT_TRUE(m_dialogs.shown()[0].text.startsWith(ui::runtimeErrorText(429, "Le traitement de texte")))
        << m_dialogs.shown()[0].text.toStdString();
    EXPECT_FALSE(window.isLoaded());
}

} // namespace
