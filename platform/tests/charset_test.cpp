#include "platform/CharsetIconv.h"
#include "platform/Failure.h"

#include <gtest/gtest.h>

using platform::IconvCharsetConverter;

TEST(IconvCharsetConverter, ShowsTextAsTheTargetCanShowIt)
{
    struct Case {
        QString text;
        QString target;
        QString shown;
    };
    const Case cases[] = {
        {QStringLiteral("  Quitter "), QStringLiteral("windows-1250"), QStringLiteral("  Quitter ")},
        {QStringLiteral("Zamknij okno: łódź"), QStringLiteral("windows-1250"),
         QStringLiteral("Zamknij okno: łódź")},
        {QStringLiteral("Sortie 中 ñ"), QStringLiteral("windows-1250"), QStringLiteral("Sortie ? ?")},
        {QStringLiteral("€ 😀"), QStringLiteral("WINDOWS-1250"), QStringLiteral("€ ?")},
        {QStringLiteral("Sortie 中"), QStringLiteral("utf-8"), QStringLiteral("Sortie 中")},
        {QString(), QStringLiteral("windows-1250"), QString()},
    };
    IconvCharsetConverter converter;
    for (const Case &c : cases)
        EXPECT_EQ(converter.convert(c.text, c.target), c.shown) << c.text.toStdString();
}

TEST(IconvCharsetConverter, SourceCharsetLimitsWhatCanBeShown)
{
    IconvCharsetConverter converter;
    converter.setSourceCharset(QStringLiteral("iso-8859-1"));
    EXPECT_EQ(converter.convert(QStringLiteral("été ł"), QStringLiteral("utf-8")), QStringLiteral("été ?"));
}

TEST(IconvCharsetConverter, UnknownCharsetNameIsAFailure)
{
    IconvCharsetConverter converter;
    EXPECT_THROW(converter.convert(QStringLiteral("texte"), QStringLiteral("pas-un-jeu")), platform::Failure);
    EXPECT_THROW(converter.setSourceCharset(QStringLiteral("pas-un-jeu")), platform::Failure);
    EXPECT_EQ(converter.convert(QStringLiteral("texte"), QStringLiteral("windows-1250")),
              QStringLiteral("texte"));
}
