#include "launcher/login/MenuRights.h"
#include "ui/Form.h"
#include "ui/Line.h"
#include "ui/MenuEntry.h"
#include "ui/PictureBox.h"
#include "ui/ThreeDButton.h"

#include <gtest/gtest.h>

using login::DroitMenu;

namespace
{

TEST(MenuRightsNames, MenuEntriesMatchExactlyAndButtonsIgnoringCase)
{
    struct Case {
        const char *controle;
        bool entree;
        bool bouton;
    };
    // Against the menu name M_Xyz.
    const Case cases[] = {
        {"M_Xyz", true, false},   {"M_XYZ", false, false},  {"m_Xyz", false, false},
        {"CMD_XYZ", false, true}, {"Cmd_Xyz", false, true}, {"cmd_xyz", false, true},
        {"Cmd_Xy", false, false}, {"CmdXyz", false, false}, {"Pic_Xyz", false, false},
    };
    for (const Case &c : cases) {
        const QString nom = QString::fromLatin1(c.controle);
        EXPECT_EQ(login::estEntreeMenu(nom, QStringLiteral("M_Xyz")), c.entree) << c.controle;
        EXPECT_EQ(login::estBoutonAssocie(nom, QStringLiteral("M_Xyz")), c.bouton) << c.controle;
    }
    // A right naming something else than a menu entry touches nothing, even a control of that name.
    EXPECT_FALSE(login::estEntreeMenu(QStringLiteral("Cmd_Xyz"), QStringLiteral("Cmd_Xyz")));
}

TEST(MenuRightsNames, TargetIsTheFormBeforeTheDialogOrTheFirstForModule9)
{
    EXPECT_EQ(login::positionFormeCible(1, 2), 0);
    EXPECT_EQ(login::positionFormeCible(3, 4), 2);
    EXPECT_EQ(login::positionFormeCible(6, 4), 2);
    EXPECT_EQ(login::positionFormeCible(9, 4), 0);
    EXPECT_EQ(login::positionFormeCible(1, 1), -1); // nothing before the dialog
}

// A host form: menu entries M_Stock, M_Tarifs, M_Devis; in bar Pic_Barre the buttons Cmd_Stock
// (tagged, top 600, height 500) and CMD_DEVIS (untagged), tagged lines and picture boxes around.
class MenuRights : public testing::Test
{
protected:
    ui::Form host{QStringLiteral("FHOTE")};
    ui::MenuEntry &fichier = host.addMenu(QStringLiteral("M_Fichier"), QStringLiteral("Fichier"));
    ui::MenuEntry &stock = host.addMenu(QStringLiteral("M_Stock"), QStringLiteral("Stock"), &fichier);
    ui::MenuEntry &stockCasse = host.addMenu(QStringLiteral("M_STOCK"), QStringLiteral("Stock 2"), &fichier);
    ui::MenuEntry &tarifs = host.addMenu(QStringLiteral("M_Tarifs"), QStringLiteral("Tarifs"), &fichier);
    ui::MenuEntry &devis = host.addMenu(QStringLiteral("M_Devis"), QStringLiteral("Devis"), &fichier);
    ui::PictureBox &barre = host.add<ui::PictureBox>({QStringLiteral("Pic_Barre"), {0, 0, 3000, 3000}});
    ui::ThreeDButton &cmdStock = button(QStringLiteral("Cmd_Stock"), 600, QStringLiteral("1"));
    ui::ThreeDButton &cmdDevis = button(QStringLiteral("CMD_DEVIS"), 1200, {});
    ui::ThreeDButton &cmdTarifs = button(QStringLiteral("Cmd_Tarifs"), 1800, QStringLiteral("1"));
    ui::PictureBox &dessous = picture(QStringLiteral("Pic_Dessous"), 1100, QStringLiteral("1"));
    ui::PictureBox &memeHaut = picture(QStringLiteral("Pic_Meme"), 600, QStringLiteral("1"));
    ui::PictureBox &dessus = picture(QStringLiteral("Pic_Dessus"), 100, QStringLiteral("1"));
    ui::PictureBox &sansTag = picture(QStringLiteral("Pic_SansTag"), 1500, {});
    ui::Line &ligneDessus = line(QStringLiteral("Lin_Dessus"), 300, QStringLiteral("1"));
    ui::Line &ligneDessous = line(QStringLiteral("Lin_Dessous"), 1150, QStringLiteral("1"));
    ui::Line &ligneAilleurs = host.add<ui::Line>({QStringLiteral("Lin_Form")}); // on the form itself

    void SetUp() override
    {
        ligneAilleurs.setEnds(0, 2000, 100, 2000);
        ligneAilleurs.setTag(QStringLiteral("1"));
    }

    ui::ThreeDButton &button(const QString &name, int top, const QString &tag)
    {
        auto &b = host.add<ui::ThreeDButton>(ui::ControlDesign(name, {100, top, 2000, 500}).inside(barre));
        b.setTag(tag);
        return b;
    }
    ui::PictureBox &picture(const QString &name, int top, const QString &tag)
    {
        auto &p = host.add<ui::PictureBox>(ui::ControlDesign(name, {2200, top, 300, 300}).inside(barre));
        p.setTag(tag);
        return p;
    }
    ui::Line &line(const QString &name, int y, const QString &tag)
    {
        auto &l = host.add<ui::Line>(ui::ControlDesign(name).inside(barre));
        l.setEnds(0, y, 2000, y + 10);
        l.setTag(tag);
        return l;
    }
};

TEST_F(MenuRights, HiddenEntryTakesItsButtonAndClosesTheGapThroughTaggedNeighbours)
{
    login::appliqueDroits(host, {DroitMenu{QStringLiteral("M_Stock"), 0}});

    EXPECT_FALSE(stock.visible());
    EXPECT_FALSE(cmdStock.visible());
    EXPECT_EQ(cmdStock.top(), 600); // the button itself stays
    EXPECT_TRUE(stockCasse.visible());
    EXPECT_EQ(dessous.top(), 600);
    EXPECT_EQ(memeHaut.top(), 600);
    EXPECT_EQ(dessus.top(), 100);
    EXPECT_EQ(sansTag.top(), 1500);
    EXPECT_EQ(ligneDessus.y1(), -200); // lines move wherever they lie
    EXPECT_EQ(ligneDessus.y2(), -190);
    EXPECT_EQ(ligneDessous.y1(), 650);
    EXPECT_EQ(ligneAilleurs.y1(), 2000); // another container
    EXPECT_TRUE(tarifs.visible());
    EXPECT_TRUE(cmdTarifs.visible());
}

TEST_F(MenuRights, AnUntaggedButtonHidesWithoutMovingAnything)
{
    login::appliqueDroits(host, {DroitMenu{QStringLiteral("M_Devis"), 0}});
    EXPECT_FALSE(devis.visible());
    EXPECT_FALSE(cmdDevis.visible());
    EXPECT_EQ(dessous.top(), 1100);
    EXPECT_EQ(ligneDessus.y1(), 300);
}

TEST_F(MenuRights, ReadOnlyTagsTheEntryOnlyAndFullAccessChangesNothing)
{
    tarifs.setTag(QStringLiteral("ancien"));
    login::appliqueDroits(host, {DroitMenu{QStringLiteral("M_Tarifs"), 1},
                                 DroitMenu{QStringLiteral("M_Devis"), 0.5},
                                 DroitMenu{QStringLiteral("M_Stock"), 2}});
    EXPECT_EQ(tarifs.tag(), login::lectureSeule);
    EXPECT_TRUE(tarifs.visible());
    EXPECT_TRUE(tarifs.enabled());
    EXPECT_EQ(devis.tag(), login::lectureSeule);
    EXPECT_TRUE(cmdTarifs.visible());
    EXPECT_EQ(cmdTarifs.tag(), QStringLiteral("1"));
    // Rows of full access never come from the rights query; given anyway they only tag.
    EXPECT_TRUE(stock.visible());
    EXPECT_TRUE(cmdStock.visible());
}

TEST_F(MenuRights, EachMatchClosesTheGapOnceMore)
{
    login::appliqueDroits(host,
                          {DroitMenu{QStringLiteral("M_Stock"), 0}, DroitMenu{QStringLiteral("M_Stock"), 0}});
    EXPECT_EQ(dessous.top(), 600); // no longer lower than the button the second time
    EXPECT_EQ(ligneDessous.y1(), 150);
}

} // namespace
