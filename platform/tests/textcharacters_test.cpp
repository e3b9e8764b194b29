#include "platform/TextCharacters.h"

#include <gtest/gtest.h>

namespace
{

TEST(TextCharacters, ACharacterOutsideThe16BitRangeCountsOnceAndIsNeverCut)
{
    const struct {
        QString text;
        qsizetype count;
        QString firstThree;
    } cases[] = {
        {QStringLiteral("abcdef"), 6, QStringLiteral("abc")},
        {QStringLiteral("ab"), 2, QStringLiteral("ab")},
        {QString(), 0, QString()},
        {QStringLiteral("éçœ€"), 4, QStringLiteral("éçœ")},
        {QStringLiteral("😀😀😀😀"), 4, QStringLiteral("😀😀😀")},
        {QStringLiteral("ab😀c"), 4, QStringLiteral("ab😀")},
        {QChar(0xD800) + QStringLiteral("ab") + QChar(0xDC00), 4, QChar(0xD800) + QStringLiteral("ab")},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        EXPECT_EQ(platform::characterCount(c.text), c.count);
        EXPECT_EQ(platform::firstCharacters(c.text, 3), c.firstThree);
    }
    EXPECT_EQ(platform::firstCharacters(QStringLiteral("😀ABCDEFGHIJKLMNOPQRSTUVWXYZ"), 20),
              QStringLiteral("😀ABCDEFGHIJKLMNOPQRS"));
}

} // namespace
