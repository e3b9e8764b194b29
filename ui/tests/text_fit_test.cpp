#include "ui/CaptionRoom.h"
#include "ui/CharacterWidth.h"
#include "ui/Controls.h"
#include "ui/Form.h"
#include "ui/tests/QtPrinters.h"

#include <QImage>
#include <QWidget>
#include <gtest/gtest.h>

namespace
{

QFontMetricsF metricsOf(const ui::ControlFont &font)
{
    return QFontMetricsF(ui::toQFont(font));
}

// A product code of eight capitals fits in the eleven characters of the data-path window's column, in
// the fonts the windows are designed in; a character is wider than a "0".
TEST(CharacterWidth, EightCapitalsFitInElevenCharactersOfTheWindowsFonts)
{
    const ui::ControlFont fonts[] = {
        {QStringLiteral("Arial"), 8.25, false, false, 0},
        {QStringLiteral("Arial"), 8.25, true, false, 0},
        {QStringLiteral("MS Sans Serif"), 8.25, false, false, 0},
        {QStringLiteral("Arial"), 9.75, true, false, 0},
    };
    const QString codes[] = {QStringLiteral("TORBSTOC"), QStringLiteral("TORBAPRO"),
                             QStringLiteral("TORBPLAN"), QStringLiteral("TORBTECH"),
                             QStringLiteral("TORBTRAD"), QStringLiteral("MODELES")};
    for (const ui::ControlFont &font : fonts) {
        const QFontMetricsF metrics = metricsOf(font);
        EXPECT_GT(ui::averageCharacterWidth(metrics), metrics.horizontalAdvance(QLatin1Char('0')))
            << font.name.toStdString() << ' ' << font.size;
        for (const QString &code : codes)
            EXPECT_LE(metrics.horizontalAdvance(code), ui::characterWidthPixels(11, metrics, 0))
                << code.toStdString() << " in " << font.name.toStdString() << ' ' << font.size;
    }
}

TEST(CaptionRoom, ControlsAboveTheFirstLineRightOfTheStartCutTheRoom)
{
    const QRect label(8, 328, 125, 21); // "Chemin serveur (défaut) :" of the data-path window
    const struct {
        const char *what;
        std::vector<QRect> above;
        int room;
    } cases[] = {
        {"nothing above", {}, 125},
        {"a box over the end", {QRect(132, 324, 281, 21)}, 123},
        {"a box below the first line", {QRect(60, 345, 100, 20)}, 125},
        {"a control from the label's left edge", {QRect(8, 328, 40, 21)}, 125},
        {"the nearer of two", {QRect(132, 324, 281, 21), QRect(100, 330, 10, 10)}, 91},
        {"a control that covers the whole caption", {QRect(9, 328, 200, 21)}, 0},
    };
    for (const auto &each : cases)
        EXPECT_EQ(ui::captionRoom(label, 12, each.above), each.room) << each.what;
}

TEST(CaptionStretch, CondensesALittleThenGivesUp)
{
    const auto proportional = [](double natural) {
        return [natural](int stretch) { return natural * stretch / 100; };
    };
    const struct {
        double natural;
        int room;
        int stretch;
    } cases[] = {
        {120, 125, 100},  // fits as it is
        {125, 125, 100},  // just fits
        {124.5, 123, 98}, // the data-path window's label beside its box
        {130, 117, 90},   // the most it is condensed
        {130, 116, 0},    // wraps
    };
    for (const auto &each : cases)
        EXPECT_EQ(ui::captionStretch(proportional(each.natural), each.room), each.stretch)
            << each.natural << " in " << each.room;
}

// Right-most column holding a pixel darker than the background, -1 when none does.
int rightmostInk(const QImage &image)
{
    for (int x = image.width() - 1; x >= 0; --x)
        for (int y = 0; y < image.height(); ++y)
            if (qGray(image.pixel(x, y)) < 128)
                return x;
    return -1;
}

// Rows from the first to the last holding a dark pixel, within the image's inner part (a frame of
// the given width left out).
int inkHeight(const QImage &image, int frame)
{
    int first = -1;
    int last = -1;
    for (int y = frame; y < image.height() - frame; ++y)
        for (int x = frame; x < image.width() - frame; ++x)
            if (qGray(image.pixel(x, y)) < 96) {
                first = first < 0 ? y : first;
                last = y;
                break;
            }
    return first < 0 ? 0 : last - first + 1;
}

class TextFitForm : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ui::ControlFont arial = form.font();
        arial.name = QStringLiteral("Arial");
        form.setFont(arial);
        form.setClientSize(7500, 3000);
    }
    void TearDown() override { form.discard(); }
    ui::Form form{QStringLiteral("FPARSYS")};
};

// The colon of the label stays clear of the box placed over the label's end.
TEST_F(TextFitForm, ALabelRunningUnderTheNextControlIsCondensedToShowWhole)
{
    auto &label = form.add<ui::Label>({"Label3", {120, 1920, 1875, 315}, "Chemin serveur (défaut) :"});
    auto &box = form.add<ui::TextBox>({"CTX_PathServeur", {1980, 1860, 4215, 315}});
    form.show();
    const int boxStart = box.widget()->x() - label.widget()->x();
    ASSERT_LT(boxStart, label.widget()->width());
    const int ink = rightmostInk(label.widget()->grab().toImage());
    EXPECT_GT(ink, boxStart / 2);
    EXPECT_LT(ink, boxStart - 1) << "a pixel of air before the box";
}

// A low option button or check box still shows its mark and its descenders: its caption is as
// high as in one of ample height, it is centred on its place, and its place in twips stays as designed.
TEST_F(TextFitForm, LowButtonsShowTheirWholeMarkAndCaption)
{
    const struct {
        const char *kind;
        ui::MarkedButton &low;
        ui::MarkedButton &tall;
    } cases[] = {
        {"option button", form.add<ui::OptionButton>({"Opt_Langue", {180, 360, 1575, 195}, "Langue 1"}),
         form.add<ui::OptionButton>({"Opt_Ample", {180, 1200, 1575, 495}, "Langue 1"})},
        {"check box", form.add<ui::CheckBox>({"CHK_Low", {1800, 360, 1575, 195}, "Langue 1"}),
         form.add<ui::CheckBox>({"CHK_Ample", {1800, 1200, 1575, 495}, "Langue 1"})},
    };
    form.show();
    for (const auto &each : cases) {
        QWidget *low = each.low.widget();
        const QRect designed = ui::toPixels(each.low.geometry(), ui::logicalDpi());
        EXPECT_EQ(each.low.geometry().height, 195);
        EXPECT_NEAR(low->geometry().center().y(), designed.center().y(), 1) << each.kind;
        EXPECT_EQ(inkHeight(low->grab().toImage(), 2), inkHeight(each.tall.widget()->grab().toImage(), 2))
            << each.kind;
    }
}

} // namespace
