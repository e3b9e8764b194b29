#include "platform/LineEncoding.h"

#include <gtest/gtest.h>

using platform::LineEncoding;

TEST(LineEncoding, EachLineIsReadInTheEncodingItIsValidIn)
{
    struct Case {
        QByteArray bytes;
        LineEncoding encoding;
        QString text;
    };
    const Case cases[] = {
        {"NOM=Soci\xc3\xa9t\xc3\xa9", LineEncoding::Utf8, QStringLiteral("NOM=Société")},
        {"NOM=Soci\xe9t\xe9", LineEncoding::Windows1252, QStringLiteral("NOM=Société")},
        {"PRIX=5 \x80 \x9c\x9f", LineEncoding::Windows1252, QStringLiteral("PRIX=5 € œŸ")},
        {"A=\x81\x8d", LineEncoding::Windows1252,
         QStringLiteral("A=\u0081\u008d")},                       // undefined in the code page
        {"\xc3", LineEncoding::Windows1252, QStringLiteral("Ã")}, // cut UTF-8
        {"LANGUE=1", LineEncoding::Utf8, QStringLiteral("LANGUE=1")},
        {"", LineEncoding::Utf8, QString()},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(platform::lineEncoding(c.bytes), c.encoding) << c.bytes.toHex().toStdString();
        EXPECT_EQ(platform::decodeLine(c.bytes), c.text) << c.bytes.toHex().toStdString();
    }
}

TEST(LineEncoding, TextIsWrittenInTheCodePageWhereItCan)
{
    struct Case {
        QString text;
        LineEncoding encoding;
        QByteArray bytes;
    };
    const Case cases[] = {
        {QStringLiteral("NOM=Société €"), LineEncoding::Windows1252, "NOM=Soci\xe9t\xe9 \x80"},
        {QStringLiteral("NOM=Société 中"), LineEncoding::Windows1252,
         "NOM=Soci\xc3\xa9t\xc3\xa9 \xe4\xb8\xad"},
        {QStringLiteral("NOM=Société"), LineEncoding::Utf8, "NOM=Soci\xc3\xa9t\xc3\xa9"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(platform::encodeLine(c.text, c.encoding), c.bytes) << c.text.toStdString();
}
