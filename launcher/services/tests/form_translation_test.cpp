#include "launcher/services/Traduction.h"
#include "launcher/services/tests/support/ServicesFixture.h"
#include "platform/Failure.h"
#include "ui/CheckBox.h"
#include "ui/CommandButton.h"
#include "ui/Form.h"
#include "ui/Frame.h"
#include "ui/Grid.h"
#include "ui/Label.h"
#include "ui/MenuEntry.h"
#include "ui/TextBox.h"
#include "ui/ThreeDButton.h"
#include "ui/testing/ScriptedDialogs.h"

#include <gtest/gtest.h>

using services::Traduction;
using services_testing::ServicesFixture;

namespace
{

// A converter whose source character set cannot be set.
class RefusingConverter : public platform::CharsetConverter
{
public:
    void setSourceCharset(const QString &name) override
    {
        throw platform::Failure(QStringLiteral("Jeu de caractères inconnu : ") + name);
    }
    QString convert(const QString &text, const QString &) override { return text; }
};

// A small window whose every text has a translation ("Fermer" only outside windows-1250).
struct DesignedForm {
    DesignedForm()
    {
        form.setCaption(QStringLiteral("Fermer"));
        label.setToolTip(QStringLiteral("Aide"));
        label.setTag(QStringLiteral("Quitter"));
        emptyLabel.setTag(QStringLiteral("Aide"));
        box.setTag(QStringLiteral("Aide"));
        button.setCellTag(QStringLiteral("Quitter"));
        grid.setColumns({{QStringLiteral("T_VALEUR"), QStringLiteral("Quitter")},
                         {QStringLiteral("T_TRAD"), QString()},
                         {QStringLiteral("T_ABREGE"), QStringLiteral("  Aide ")}});
        grid.setToolTip(QStringLiteral("Aide"));
        for (ui::Control *control : form.controls())
            control->setFontCharset(238);
    }

    ui::Form form{QStringLiteral("F_TEST")};
    ui::Label &label =
        form.add<ui::Label>(ui::ControlDesign(QStringLiteral("CTL_Un"), {}, QStringLiteral("Fermer")));
    ui::Label &emptyLabel = form.add<ui::Label>(ui::ControlDesign(QStringLiteral("CTL_Vide"), {}, {}));
    ui::Frame &frame =
        form.add<ui::Frame>(ui::ControlDesign(QStringLiteral("FRM_Cadre"), {}, QStringLiteral("Fermer")));
    ui::TextBox &text = form.add<ui::TextBox>(ui::ControlDesign(
        QStringLiteral("CTX_Texte"), {}, QStringLiteral("Quitter"), -1, QStringLiteral("Aide")));
    ui::CheckBox &box = form.add<ui::CheckBox>(ui::ControlDesign(
        QStringLiteral("CHK_Case"), {}, QStringLiteral("Quitter"), -1, QStringLiteral("Aide")));
    ui::CommandButton &command =
        form.add<ui::CommandButton>(ui::ControlDesign(QStringLiteral("Cmd_Ok"), {}, QStringLiteral("-")));
    ui::ThreeDButton &button = form.add<ui::ThreeDButton>(ui::ControlDesign(
        QStringLiteral("CMD_Prix"), {}, QStringLiteral("Quitter"), -1, QStringLiteral("Aide")));
    ui::Grid &grid = form.add<ui::Grid>(ui::ControlDesign(QStringLiteral("SPR_Trad")));
    ui::MenuEntry &menu = form.addMenu(QStringLiteral("M_Outils"), QStringLiteral("Quitter"));
    ui::MenuEntry &separator = form.addMenu(QStringLiteral("M_Sep"), QStringLiteral("-"), &menu);
};

} // namespace

class FormTranslation : public testing::Test
{
protected:
    void SetUp() override
    {
        fixture.createBdtrad({{QStringLiteral("Quitter"), QStringLiteral("Exit")},
                              {QStringLiteral("Aide"), QStringLiteral("Help")},
                              {QStringLiteral("Fermer"), QStringLiteral("Zamknij 中")},
                              {QStringLiteral("-"), QStringLiteral("SEP")}});
        fixture.createBdloc();
        fixture.etat.Num_Langue = 1;
        Traduction(fixture.etat).Init_Traduction();
    }

    ServicesFixture fixture;
    ui::testing::ScriptedDialogs dialogs;
};

TEST_F(FormTranslation, TranslatesEachKindOfControlByItsRule)
{
    DesignedForm window;
    Traduction(fixture.etat).TRAD_Form(window.form);

    EXPECT_EQ(window.form.caption(), QStringLiteral("Zamknij ?"));
    EXPECT_EQ(window.label.text(), QStringLiteral("Zamknij ?"));
    EXPECT_EQ(window.label.toolTip(), QStringLiteral("Help"));
    EXPECT_EQ(window.label.tag(), QStringLiteral("Exit"));
    EXPECT_EQ(window.emptyLabel.text(), QString());
    EXPECT_EQ(window.emptyLabel.tag(), QStringLiteral("Help"));
    EXPECT_EQ(window.frame.text(), QStringLiteral("Zamknij 中")); // translated, not converted
    EXPECT_EQ(window.text.text(), QStringLiteral("Quitter"));     // a text box's text is the user's
    EXPECT_EQ(window.text.toolTip(), QStringLiteral("Help"));
    EXPECT_EQ(window.box.text(), QStringLiteral("Exit"));
    EXPECT_EQ(window.box.toolTip(), QStringLiteral("Aide")); // not among a check box's texts
    EXPECT_EQ(window.box.tag(), QStringLiteral("Help"));
    EXPECT_EQ(window.command.text(), QStringLiteral("SEP"));
    EXPECT_EQ(window.button.text(), QStringLiteral("Exit"));
    EXPECT_EQ(window.button.toolTip(), QStringLiteral("Help"));
    EXPECT_EQ(window.button.cellTag(), QStringLiteral("Exit"));
    EXPECT_EQ(window.grid.columnHeader(1), QStringLiteral("Exit"));
    EXPECT_EQ(window.grid.columnHeader(2), QString());
    EXPECT_EQ(window.grid.columnHeader(3), QStringLiteral("  Help "));
    EXPECT_EQ(window.grid.toolTip(), QStringLiteral("Help"));
    EXPECT_EQ(window.menu.text(), QStringLiteral("Exit"));
    EXPECT_EQ(window.separator.text(), QStringLiteral("-"));
    for (const ui::Control *control : window.form.controls())
        EXPECT_EQ(control->font().charset, 0) << control->name().toStdString();
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(FormTranslation, FrenchLeavesTheFormAsDesigned)
{
    fixture.etat.Num_Langue = 0;
    DesignedForm window;
    Traduction(fixture.etat).TRAD_Form(window.form);
    EXPECT_EQ(window.form.caption(), QStringLiteral("Fermer"));
    EXPECT_EQ(window.label.text(), QStringLiteral("Fermer"));
    EXPECT_EQ(window.label.font().charset, 238);
}

TEST_F(FormTranslation, ConverterFailureEndsSilentlyWithNothingTranslated)
{
    DesignedForm window;
    Traduction(fixture.etat, [] { return std::make_unique<RefusingConverter>(); }).TRAD_Form(window.form);
    EXPECT_EQ(window.form.caption(), QStringLiteral("Fermer"));
    EXPECT_EQ(window.label.tag(), QStringLiteral("Quitter"));
    EXPECT_TRUE(dialogs.shown().empty());
}
