#include "platform/Failure.h"
#include "ui/Form.h"
#include "ui/ThreeDButton.h"
#include "ui/ThreeDButtonLayout.h"
#include "ui/ThreeDCaption.h"

#include <QImage>
#include <QWidget>
#include <gtest/gtest.h>

namespace
{

TEST(ThreeDCaption, ARunOfBlanksStartsTheSecondLine)
{
    const struct {
        QString caption;
        QStringList lines;
    } cases[] = {
        {"Devis", {"Devis"}},
        {"Suivi des temps", {"Suivi des temps"}},
        {"Gest. comm." + QString(16, ' ') + "Fab. sur mesure", {"Gest. comm.", "Fab. sur mesure"}},
        {"Gestion des" + QString(22, ' ') + "stocks", {"Gestion des", "stocks"}},
        {"a  b", {"a", "b"}},
        {"a b  c   d", {"a b", "c", "d"}},
        {"  Quitter ", {"Quitter"}},
        {"", {}},
        {"   ", {}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ui::threeDCaptionLines(c.caption), c.lines) << c.caption.toStdString();
}

TEST(ThreeDButtonLayout, CentresPictureAndLinesWithinTheButton)
{
    const struct {
        int buttonHeight, pictureHeight, lineCount, top;
    } cases[] = {
        {53, 0, 1, 20},                   // one line of 13
        {53, 0, 2, 13},  {53, 16, 0, 18}, // picture only: no line and no gap
        {53, 16, 1, 11}, {20, 16, 1, 0},  // taller than the button: from its top
        {10, 16, 0, 0},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ui::threeDContentTop(c.buttonHeight, c.pictureHeight, c.lineCount, 13), c.top)
            << c.buttonHeight << " " << c.pictureHeight << " " << c.lineCount;
}

class ThreeDButtonTest : public ::testing::Test
{
protected:
    ui::Form form{QStringLiteral("F")};
    ui::ThreeDButton &button = form.add<ui::ThreeDButton>({"B", {0, 0, 1500, 795}, "WWW"});

    void SetUp() override
    {
        form.setClientSize(1500, 795);
        button.setFontSize(14);
        button.setFontBold(true);
        button.setBackColour(ui::rgb(255, 255, 255));
        button.setForeColour(0);
        button.setThreeDTextHighlightColor(ui::rgb(255, 0, 0));
    }

    QImage render() const { return button.widget()->grab().toImage(); }

    static bool isColour(QRgb pixel, int red, int green, int blue)
    {
        return std::abs(qRed(pixel) - red) < 40 && std::abs(qGreen(pixel) - green) < 40 &&
               std::abs(qBlue(pixel) - blue) < 40;
    }

    // Bounding box of the pixels of one colour, inside the bevel.
    static QRect areaOf(const QImage &image, int red, int green, int blue)
    {
        QRect area;
        for (int y = 3; y < image.height() - 3; ++y)
            for (int x = 3; x < image.width() - 3; ++x)
                if (isColour(image.pixel(x, y), red, green, blue))
                    area |= QRect(x, y, 1, 1);
        return area;
    }
};

TEST_F(ThreeDButtonTest, TextLiesOverItsHighlightCopyShiftedByTheOffset)
{
    button.setThreeDTextOffset(2);
    const QImage image = render();
    const QRect text = areaOf(image, 0, 0, 0);
    const QRect highlight = areaOf(image, 255, 0, 0);
    ASSERT_FALSE(text.isEmpty());
    ASSERT_FALSE(highlight.isEmpty());
    EXPECT_EQ(highlight.right() - text.right(), 2);
    EXPECT_EQ(highlight.bottom() - text.bottom(), 2);
}

TEST_F(ThreeDButtonTest, NoOffsetDrawsNoHighlight)
{
    button.setThreeDTextOffset(0);
    EXPECT_TRUE(areaOf(render(), 255, 0, 0).isEmpty());
}

TEST_F(ThreeDButtonTest, ARunOfBlanksDrawsTwoLinesAndKeepsTheCaption)
{
    const QRect oneLine = areaOf(render(), 0, 0, 0);
    const QString caption = "WWW" + QString(10, ' ') + "WWW";
    button.setText(caption);
    const QRect twoLines = areaOf(render(), 0, 0, 0);
    EXPECT_EQ(button.text(), caption);
    EXPECT_GT(twoLines.height(), oneLine.height() * 3 / 2);
    EXPECT_LE(twoLines.width(), oneLine.width() + 1);
}

TEST_F(ThreeDButtonTest, ColoursGivenAsTextMustBeNumbers)
{
    button.setBackColour(QStringLiteral("14187366"));
    button.setForeColour(QStringLiteral(" 255"));
    EXPECT_EQ(button.backColour(), 14187366);
    EXPECT_EQ(button.foreColour(), 255);
    try {
        button.setBackColour(QStringLiteral("rouge"));
        ADD_FAILURE() << "text accepted";
    } catch (const platform::Failure &failure) {
        EXPECT_EQ(failure.number(), 13);
    }
    EXPECT_EQ(button.backColour(), 14187366);
}

TEST_F(ThreeDButtonTest, ClickAndTags)
{
    int clicks = 0;
    button.onClick = [&] { ++clicks; };
    button.click();
    button.setEnabled(false);
    button.click();
    EXPECT_EQ(clicks, 1);
    button.setCellTag(QStringLiteral("cellule"));
    button.setTag(QStringLiteral("marque"));
    EXPECT_EQ(button.cellTag(), "cellule");
    EXPECT_EQ(button.tag(), "marque");
    EXPECT_EQ(button.kind(), ui::ControlKind::ThreeDButton);
}

} // namespace

namespace
{

TEST_F(ThreeDButtonTest, PictureStandsAboveTheText)
{
    QPixmap picture(12, 12);
    picture.fill(QColor(0, 0, 255));
    button.setPicture(picture);
    const QImage image = render();
    const QRect drawn = areaOf(image, 0, 0, 255);
    const QRect text = areaOf(image, 0, 0, 0);
    ASSERT_EQ(drawn.size(), QSize(12, 12));
    EXPECT_LT(drawn.bottom(), text.top());
    EXPECT_NEAR(drawn.center().x(), image.width() / 2, 2);
}

TEST_F(ThreeDButtonTest, PictureWithoutCaptionIsCentredWhole)
{
    QPixmap picture(20, 20);
    picture.fill(QColor(0, 0, 255));
    button.setPicture(picture);
    button.setText(QString());
    button.setHeight(450); // 30 pixels: a picture and a caption line would not fit
    const QImage image = render();
    const QRect drawn = areaOf(image, 0, 0, 255);
    EXPECT_EQ(drawn.size(), QSize(20, 20));
    EXPECT_NEAR(drawn.center().y(), image.height() / 2, 1);
}

} // namespace
