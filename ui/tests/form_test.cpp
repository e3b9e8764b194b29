#include "platform/Failure.h"
#include "ui/Controls.h"
#include "ui/Form.h"
#include "ui/tests/QtPrinters.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <gtest/gtest.h>

namespace
{

QStringList names(const std::vector<ui::Control *> &controls)
{
    QStringList names;
    for (const ui::Control *control : controls)
        names.append(control->index() < 0
                         ? control->name()
                         : QStringLiteral("%1(%2)").arg(control->name()).arg(control->index()));
    return names;
}

TEST(Form, ControlsStayInDesignOrderContainersAndMenusIncluded)
{
    ui::Form form(QStringLiteral("FPARSYS"));
    form.add<ui::Label>({"Label1", {120, 150, 6975, 345}, "APPLICATIONS"});
    auto &frame = form.add<ui::Frame>({"FRM_PATH", {7620, 0, 4065, 6735}});
    form.add<ui::Label>(
        ui::ControlDesign("LBL_DEV_PATH", {120, 270, 1455, 315}, "Accès à").inside(frame).element(0));
    auto &bar = form.add<ui::PictureBox>(
        ui::ControlDesign("Frm_boutons_Fermer", {2640, 6120, 1305, 435}).inside(frame));
    form.add<ui::ThreeDButton>(ui::ControlDesign("Cmd_efface", {240, 0, 1035, 360}, "&Effacer").inside(bar));
    auto &top = form.addMenu(QStringLiteral("M_outils"), QStringLiteral("Outils"));
    form.addMenu(QStringLiteral("M_UTIL"), QStringLiteral("Utilitaires"), &top);
    form.add<ui::TextBox>({"CTX_PathServeur", {1980, 4860, 4215, 315}});

    EXPECT_EQ(names(form.controls()),
              QStringList({"Label1", "FRM_PATH", "LBL_DEV_PATH(0)", "Frm_boutons_Fermer", "Cmd_efface",
                           "M_outils", "M_UTIL", "CTX_PathServeur"}));
    auto &effacer = form.get<ui::ThreeDButton>(QStringLiteral("Cmd_efface"));
    EXPECT_EQ(effacer.container(), &bar);
    EXPECT_EQ(effacer.widget()->parentWidget(), bar.widget());
    EXPECT_EQ(form.find(QStringLiteral("LBL_DEV_PATH"), 0)->text(), "Accès à");
    EXPECT_EQ(form.find(QStringLiteral("LBL_DEV_PATH")), nullptr);
    EXPECT_THROW(form.get<ui::Label>(QStringLiteral("Cmd_efface")), platform::Failure);
}

TEST(Form, ControlPropertiesReadBackAsSet)
{
    ui::Form form(QStringLiteral("F"));
    auto &label = form.add<ui::Label>({"CTL_WEB", {60, 8820, 2175, 255}, "www", 12, "lien"});
    EXPECT_EQ(label.geometry(), (ui::TwipsRect{60, 8820, 2175, 255}));
    EXPECT_EQ(label.widget()->geometry(), QRect(4, 588, 145, 17));
    EXPECT_EQ(label.toolTip(), "lien");
    EXPECT_EQ(label.tabIndex(), 12);
    EXPECT_EQ(label.font().name, "MS Sans Serif");

    label.setFontName(QStringLiteral("Arial"));
    label.setFontName(QString()); // an empty name keeps the font
    label.setFontCharset(238);
    EXPECT_EQ(label.font().name, "Arial");
    EXPECT_EQ(label.font().charset, 238);

    label.setVisible(false);
    EXPECT_FALSE(label.visible());
    label.setVisible(true);
    EXPECT_TRUE(label.visible()); // even while the form is not shown
    label.setTop(label.top() - 200);
    EXPECT_EQ(label.top(), 8620);
}

TEST(Form, TextBoxKeepsItsLinesAndLock)
{
    ui::Form form(QStringLiteral("F"));
    auto &status =
        form.add<ui::TextBox>(ui::ControlDesign("CTX_Status", {120, 780, 6435, 1515}).severalLines());
    auto &single = form.add<ui::TextBox>({"CTX_DBPATH", {60, 300, 6495, 315}, "c:/torbmdb/"});
    int changes = 0;
    status.onChange = [&] { ++changes; };
    status.setText(QStringLiteral("un\r\ndeux\r\n"));
    status.setLocked(true);
    EXPECT_EQ(status.text(), "un\r\ndeux\r\n");
    EXPECT_EQ(changes, 1);
    EXPECT_TRUE(status.locked());
    EXPECT_EQ(single.text(), "c:/torbmdb/");
    single.setMaxLength(1);
    EXPECT_EQ(single.text(), "c");
}

TEST(Form, MultiLineTextBoxShowsTheScrollBarsDesigned)
{
    ui::Form form(QStringLiteral("F"));
    const struct {
        std::optional<ui::ScrollBars> bars; // nullopt: as designed without saying
        Qt::ScrollBarPolicy vertical, horizontal;
        QPlainTextEdit::LineWrapMode wrap;
    } cases[] = {
        {std::nullopt, Qt::ScrollBarAlwaysOn, Qt::ScrollBarAlwaysOff, QPlainTextEdit::WidgetWidth},
        {ui::ScrollBars::None, Qt::ScrollBarAlwaysOff, Qt::ScrollBarAlwaysOff, QPlainTextEdit::WidgetWidth},
        {ui::ScrollBars::Horizontal, Qt::ScrollBarAlwaysOff, Qt::ScrollBarAlwaysOn, QPlainTextEdit::NoWrap},
        {ui::ScrollBars::Both, Qt::ScrollBarAlwaysOn, Qt::ScrollBarAlwaysOn, QPlainTextEdit::NoWrap},
    };
    int element = 0;
    for (const auto &c : cases) {
        ui::ControlDesign design = ui::ControlDesign("CTX", {0, 0, 2000, 600}).element(element++);
        auto &box = form.add<ui::TextBox>(c.bars ? design.severalLines(*c.bars) : design.severalLines());
        const auto *editor = static_cast<QPlainTextEdit *>(box.widget());
        EXPECT_EQ(editor->verticalScrollBarPolicy(), c.vertical) << element;
        EXPECT_EQ(editor->horizontalScrollBarPolicy(), c.horizontal) << element;
        EXPECT_EQ(editor->lineWrapMode(), c.wrap) << element;
    }
}

TEST(Form, PasswordBoxMasksWithItsOwnCharacter)
{
    ui::Form form(QStringLiteral("F"));
    auto &password = form.add<ui::TextBox>({"CTX_MDP_PSWD", {5700, 30, 1425, 330}});
    password.setPasswordChar(u'*');
    password.setText(QStringLiteral("abc"));
    const auto *line = static_cast<QLineEdit *>(password.widget());
    EXPECT_EQ(line->displayText(), "***");
    EXPECT_EQ(password.text(), "abc");
    password.setPasswordChar(QChar());
    EXPECT_EQ(line->displayText(), "abc");
}

TEST(Form, LineMovesBothEnds)
{
    ui::Form form(QStringLiteral("F"));
    auto &line = form.add<ui::Line>({"Line1", {100, 500, 0, 300}});
    EXPECT_EQ(line.y1(), 500);
    EXPECT_EQ(line.y2(), 800);
    line.setTop(line.top() - 300);
    EXPECT_EQ(line.y1(), 200);
    EXPECT_EQ(line.y2(), 500);
    EXPECT_EQ(line.x1(), 100);
    EXPECT_EQ(line.x2(), 100);
}

TEST(Form, MenuSeparatorsAndHiddenEntriesStayOutOfThePopUp)
{
    ui::Form form(QStringLiteral("MENUPROD"));
    auto &top = form.addMenu(QStringLiteral("M_outils"), QStringLiteral("Outils"));
    top.setVisible(false);
    auto &util = form.addMenu(QStringLiteral("M_UTIL"), QStringLiteral("Utilitaires"), &top);
    form.addMenu(QStringLiteral("M_DBPATH"), QStringLiteral("Chemins"), &util);
    form.addMenu(QStringLiteral("M_INITORB"), QStringLiteral("Actualisation"), &util).setVisible(false);
    auto &sep = form.addMenu(QStringLiteral("Sep0"), QStringLiteral("-"), &util);
    auto &trad = form.addMenu(QStringLiteral("M_TRAD"), QStringLiteral("Saisie traductions"), &util);

    EXPECT_TRUE(sep.isSeparator());
    EXPECT_EQ(sep.text(), QStringLiteral("-"));
    EXPECT_TRUE(sep.action()->text().isEmpty()); // some styles draw a separator's text
    QStringList shown;
    for (QAction *action : util.menu()->actions())
        if (action->isVisible())
            shown.append(action->isSeparator() ? QStringLiteral("-") : action->text());
    EXPECT_EQ(shown, QStringList({"Chemins", "-", "Saisie traductions"}));
    EXPECT_EQ(util.entries().size(), 4u);

    int clicks = 0;
    trad.onClick = [&] { ++clicks; };
    trad.click();
    EXPECT_EQ(clicks, 1);

    form.show();
    const QMenuBar *bar = form.window()->findChild<QMenuBar *>();
    EXPECT_TRUE(!bar || !bar->isVisible()); // hidden top menu: no bar
    util.popup();
    EXPECT_TRUE(util.menu()->isVisible());
    util.menu()->close();
    form.discard();
}

TEST(Form, StatusBarLiesAlongTheBottomEdge)
{
    ui::Form form(QStringLiteral("F"));
    form.setClientSize(2355, 9330);
    auto &bar = form.add<ui::StatusBar>({"StatusBar1", {0, 0, 0, 255}});
    bar.setPanelText(1, QStringLiteral("Version V9.5.1"));
    EXPECT_EQ(bar.panelText(1), "Version V9.5.1");
    EXPECT_THROW(bar.panelText(2), platform::Failure);
    EXPECT_EQ(bar.top(), 9330 - 255);
    EXPECT_EQ(bar.width(), 2355);
    form.setClientSize(2355, 6000);
    EXPECT_EQ(bar.top(), 6000 - 255);
}

TEST(Form, FixedBorderKeepsItsSizeAndCentresOnTheScreen)
{
    ui::Form form(QStringLiteral("FPressolite"));
    form.setBorderStyle(ui::BorderStyle::FixedSingle);
    form.setStartUpPosition(ui::StartUpPosition::CentreScreen);
    form.setClientSize(6720, 3795);
    form.show();
    EXPECT_EQ(form.window()->minimumSize(), form.window()->maximumSize());
    EXPECT_FALSE(form.window()->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(form.window()->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(form.clientWidth(), 6720);
    EXPECT_NEAR(form.left() + form.width() / 2, ui::screenWidth() / 2, 30);
    form.discard();
}

class FormEvents : public ::testing::Test
{
protected:
    ui::Form form{QStringLiteral("MENUPROD")};
    ui::ThreeDButton &button = form.add<ui::ThreeDButton>({"CMD_Prix", {0, 60, 2355, 795}, "Devis", 0});
    ui::Label &label = form.add<ui::Label>({"CTL_WEB", {60, 8820, 2175, 255}});
    QStringList events;

    void SetUp() override
    {
        form.setClientSize(2355, 9330);
        form.onLoad = [this] { events.append("load"); };
        form.onActivate = [this] { events.append("activate"); };
    }
    void TearDown() override { form.discard(); }
};

TEST_F(FormEvents, LoadOnceThenActivateOnShowAndOnReturn)
{
    ui::Form other(QStringLiteral("FPARSYS"));
    form.load();
    EXPECT_EQ(events, QStringList({"load"}));
    form.show();
    form.show();
    other.show();
    QApplication::setActiveWindow(form.window());
    EXPECT_EQ(events, QStringList({"load", "activate", "activate"}));
    other.discard();
}

TEST_F(FormEvents, UnloadCancelKeepsTheFormLoaded)
{
    ui::Form second(QStringLiteral("FPERSO"));
    form.show();
    second.load();
    bool refuse = true;
    form.onUnload = [&](bool &cancel) {
        events.append("unload");
        cancel = refuse;
    };
    EXPECT_FALSE(form.unload());
    form.window()->close(); // the close button asks the same
    EXPECT_TRUE(form.isLoaded());
    EXPECT_TRUE(form.isShown());
    EXPECT_EQ(ui::loadedForms(), (std::vector<ui::Form *>{&form, &second}));

    refuse = false;
    form.window()->close();
    EXPECT_FALSE(form.isLoaded());
    EXPECT_FALSE(form.isShown());
    EXPECT_EQ(ui::loadedForms(), std::vector<ui::Form *>{&second});
    EXPECT_EQ(events.count("unload"), 3);
    second.discard();
}

TEST_F(FormEvents, KeyPreviewReachesTheFormBeforeTheFocusedControl)
{
    form.setKeyPreview(true);
    form.onKeyDown = [this](int &code, int) {
        events.append(QStringLiteral("form %1").arg(code));
        if (code == 122)
            code = 0;
    };
    button.onKeyDown = [this](int &code, int) { events.append(QStringLiteral("button %1").arg(code)); };
    form.show();
    button.setFocus();
    events.clear();

    QTest::keyClick(button.widget(), Qt::Key_F11);
    QTest::keyClick(button.widget(), Qt::Key_F5);
    EXPECT_EQ(events, QStringList({"form 122", "form 116", "button 116"}));

    form.setKeyPreview(false);
    events.clear();
    QTest::keyClick(button.widget(), Qt::Key_F11);
    EXPECT_EQ(events, QStringList({"button 122"}));
}

TEST_F(FormEvents, MouseMovesOverAControlStayWithIt)
{
    label.onMouseMove = [this](const ui::MouseEvent &) { events.append("label"); };
    form.onMouseMove = [this](const ui::MouseEvent &) { events.append("form"); };
    form.show();
    events.clear();
    QTest::mouseMove(label.widget(), QPoint(5, 5));
    QTest::mouseMove(form.clientArea(), QPoint(100, 400));
    EXPECT_EQ(events, QStringList({"label", "form"}));
}

TEST_F(FormEvents, LabelClickComesFromTheMouse)
{
    int clicks = 0;
    label.onClick = [&] { ++clicks; };
    form.show();
    QTest::mouseClick(label.widget(), Qt::LeftButton);
    EXPECT_EQ(clicks, 1);
}

} // namespace

namespace
{

TEST(Form, CheckAndOptionButtonsClickWhenTheirValueChanges)
{
    ui::Form form(QStringLiteral("F"));
    auto &all = form.add<ui::CheckBox>({"CHK_TousMDB", {3660, 3240, 1875, 435}, "Toutes les bases"});
    auto &frame = form.add<ui::Frame>({"FRM", {0, 0, 3000, 2000}});
    auto &first = form.add<ui::OptionButton>(
        ui::ControlDesign("OPT", {60, 200, 1000, 300}, "1").inside(frame).element(0));
    auto &second = form.add<ui::OptionButton>(
        ui::ControlDesign("OPT", {60, 600, 1000, 300}, "2").inside(frame).element(1));
    QStringList clicks;
    all.onClick = [&] { clicks.append(QStringLiteral("all %1").arg(all.value())); };
    first.onClick = [&] { clicks.append("first"); };
    second.onClick = [&] { clicks.append("second"); };

    all.click();
    all.setValue(0);
    first.setValue(true);
    second.click();
    EXPECT_EQ(clicks, QStringList({"all 1", "all 0", "first", "second"}));
    EXPECT_FALSE(first.value());
    EXPECT_TRUE(second.value());
    EXPECT_EQ(second.text(), "2");

    second.setValue(false); // clears the set; no option becomes selected, none clicks
    EXPECT_FALSE(first.value());
    EXPECT_FALSE(second.value());
    EXPECT_EQ(clicks.size(), 4);
    first.click();
    EXPECT_TRUE(first.value());
}

// Height from the first to the last row of the image holding text-coloured pixels right of left.
int textHeight(const QImage &image, int left)
{
    int first = -1;
    int last = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = left; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 96) {
                first = first < 0 ? y : first;
                last = y;
                break;
            }
    return first < 0 ? 0 : last - first + 1;
}

TEST(Form, CaptionsStayWithinTheirPlace)
{
    ui::Form form(QStringLiteral("FPressolite"));
    auto &label = form.add<ui::Label>({"Label1", {60, 60, 1995, 255}, "Chemin bases de données"});
    auto &all =
        form.add<ui::CheckBox>({"CHK_TousMDB", {3660, 3240, 1875, 435}, "Toutes les bases Access trouvées"});
    all.setBackColour(ui::rgb(255, 255, 255));
    all.setForeColour(0);

    // The design font keeps the widths the captions were laid out for.
    EXPECT_LE(QFontMetrics(label.widget()->font()).horizontalAdvance(label.text()), label.widget()->width());

    // A check box caption too long for one line takes a second one and clicks anywhere on it.
    QWidget *box = all.widget();
    QStyleOptionButton option;
    option.initFrom(box);
    const QRect contents = box->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, box);
    const int lineHeight = QFontMetrics(box->font()).height();
    EXPECT_GT(textHeight(box->grab().toImage(), contents.left()), lineHeight);
    form.show();
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(box->width() - 4, box->height() - 4));
    EXPECT_EQ(all.value(), 1);
    form.discard();
}

} // namespace

namespace
{

TEST(Form, TheFirstControlInTabOrderHasTheFocusAtFirstShow)
{
    ui::Form form(QStringLiteral("FPressolite"));
    auto &run = form.add<ui::CommandButton>({"CMD_Executer", {120, 3180, 3435, 495}, "Réparer", 2});
    auto &folder = form.add<ui::TextBox>({"CTX_DBPATH", {60, 300, 6495, 315}, "c:/torbmdb/", 0});
    auto &quit = form.add<ui::CommandButton>({"CMD_Quitter", {5640, 3300, 915, 375}, "Quitter", 3});
    form.show();
    EXPECT_EQ(form.window()->focusWidget(), folder.widget());
    EXPECT_EQ(folder.widget()->nextInFocusChain(), run.widget());
    EXPECT_EQ(run.widget()->nextInFocusChain(), quit.widget());
    form.discard();
}

} // namespace
