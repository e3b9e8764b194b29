#include "launcher/services/ExtraitChemin.h"
#include "launcher/services/MenuConfig.h"
#include "launcher/services/UrlVoskerand.h"

#include <gtest/gtest.h>

using namespace services;

TEST(ExtraitChemin, KeepsThePathUpToItsLastSeparator)
{
    struct Case {
        QString path;
        platform::PathSyntax syntax;
        QString folder;
    };
    const Case cases[] = {
        {QStringLiteral("D:\\X\\Y"), platform::PathSyntax::windows(), QStringLiteral("D:\\X\\")},
        {QStringLiteral("C:\\"), platform::PathSyntax::windows(), QStringLiteral("C:\\")},
        {QStringLiteral("C:file"), platform::PathSyntax::windows(), QStringLiteral("C:")},
        {QStringLiteral("fichier"), platform::PathSyntax::windows(), QString()},
        {QString(), platform::PathSyntax::windows(), QString()},
        {QStringLiteral("/X/Y"), platform::PathSyntax::posix(), QStringLiteral("/X/")},
        {QStringLiteral("/"), platform::PathSyntax::posix(), QStringLiteral("/")},
        {QStringLiteral("C:file"), platform::PathSyntax::posix(), QString()},
        {QStringLiteral("fichier"), platform::PathSyntax::posix(), QString()},
    };
    for (const Case &c : cases)
        EXPECT_EQ(Extrait_Chemin(c.path, c.syntax), c.folder) << c.path.toStdString();
}

TEST(VoskerandLine, ReadingRule)
{
    struct Case {
        QStringList lines;
        QString address;
    };
    const Case cases[] = {
        {{QStringLiteral("LANGUE=1"), QStringLiteral("VOSKERAND=http://maj.example/Page")},
         QStringLiteral("http://maj.example/Page")},
        {{QStringLiteral("  voskerand = http://maj.ex ample/A b ")}, QStringLiteral("http://maj.example/Ab")},
        {{QStringLiteral("VOSKERAND=http://un"), QStringLiteral("VOSKERAND=")}, QStringLiteral("http://un")},
        {{QStringLiteral("VOSKERAND=http://un"), QStringLiteral("VOSKERAND=http://deux")},
         QStringLiteral("http://deux")},
        {{QStringLiteral("LANGUE=1"), QStringLiteral("   "), QStringLiteral("VOSKERAND=http://apres")},
         QString()},
        {{QStringLiteral("URL VOSKERAND=http://non")}, QString()},
        {{QStringLiteral("VOSKERAND=a=b")}, QStringLiteral("a=b")},
        {{}, QString()},
    };
    for (const Case &c : cases)
        EXPECT_EQ(voskerandFromIniLines(c.lines), c.address) << c.lines.join(u'|').toStdString();
}

TEST(MenuConfigLines, ReadingRule)
{
    struct Case {
        QStringList lines;
        std::optional<QString> frm, btnBack, btnFore;
    };
    const Case cases[] = {
        {{QStringLiteral("[PERSONALISATION]"), QStringLiteral("FRM_BACKCOLOR=1"),
          QStringLiteral("BTN_BACKCOLOR=-2"), QStringLiteral("BTN_FORECOLOR=3"), QString()},
         QStringLiteral("1"),
         QStringLiteral("-2"),
         QStringLiteral("3")},
        {{QStringLiteral(" frm_backcolor = 255 ")}, QStringLiteral("255"), {}, {}},
        {{QStringLiteral("FRM_BACKCOLOR=")}, {}, {}, {}},
        {{QStringLiteral("XFRM_BACKCOLOR=5")}, QStringLiteral("X5"), {}, {}},
        {{QStringLiteral("couleur btn_forecolor==rouge")}, {}, {}, QStringLiteral("COULEUR ROUGE")},
        {{QStringLiteral("FRM_BACKCOLOR=1"), QStringLiteral("FRM_BACKCOLOR=2")}, QStringLiteral("2"), {}, {}},
        {{QStringLiteral("FRM_BACKCOLOR=1"), QStringLiteral("FRM_BACKCOLOR=")}, QStringLiteral("1"), {}, {}},
        {{QString(), QStringLiteral("FRM_BACKCOLOR=1")}, {}, {}, {}},
        {{QStringLiteral("BTN_BACKCOLOR=4"), QStringLiteral("  "), QStringLiteral("BTN_FORECOLOR=7")},
         {},
         QStringLiteral("4"),
         {}},
    };
    for (const Case &c : cases) {
        const MenuColourTexts texts = menuColoursFromLines(c.lines);
        const std::string context = c.lines.join(u'|').toStdString();
        EXPECT_EQ(texts.frmBackColor, c.frm) << context;
        EXPECT_EQ(texts.btnBackColor, c.btnBack) << context;
        EXPECT_EQ(texts.btnForeColor, c.btnFore) << context;
    }
}

TEST(MenuConfigLines, ColoursTheFileSetsBecomeTextsOthersKeepTheirNumber)
{
    const MenuColours defaults{qint32(14187366), qint32(-2147483633), qint32(0)};
    const MenuColours colours =
        applyMenuColourTexts(defaults, {QStringLiteral("bleu"), {}, QStringLiteral("255")});
    EXPECT_EQ(colours.frmBackColor, Couleur(QStringLiteral("bleu")));
    EXPECT_EQ(colours.btnBackColor, Couleur(qint32(-2147483633)));
    EXPECT_EQ(colours.btnForeColor, Couleur(QStringLiteral("255")));
    EXPECT_EQ(menuConfigText(colours), QByteArray("[PERSONALISATION]\r\nFRM_BACKCOLOR=bleu\r\n"
                                                  "BTN_BACKCOLOR=-2147483633\r\nBTN_FORECOLOR=255\r\n\r\n"));
}
