#include "platform/LineEncoding.h"

#include "platform/IconvDescriptor.h"

#include <QHash>
#include <QStringDecoder>
#include <array>
#include <optional>

namespace platform
{

namespace
{

// Windows-1252 byte by byte, as the system's iconv knows it.
class Windows1252
{
public:
    static const Windows1252 &instance()
    {
        static const Windows1252 table;
        return table;
    }

    char32_t decode(unsigned char byte) const { return m_characters[byte]; }
    bool encode(char32_t character, char &byte) const
    {
        const auto found = m_bytes.constFind(character);
        if (found == m_bytes.constEnd())
            return false;
        byte = *found;
        return true;
    }

private:
    Windows1252()
    {
        const QString name = QStringLiteral("Windows-1252");
        const IconvDescriptor decoder(Ucs4, "WINDOWS-1252", name);
        for (int byte = 0; byte < 256; ++byte) {
            char in = char(byte);
            char32_t out = 0;
            char *input = &in;
            size_t inLeft = 1;
            char *output = reinterpret_cast<char *>(&out);
            size_t outLeft = sizeof out;
            iconv(decoder, nullptr, nullptr, nullptr, nullptr);
            const bool defined =
                iconv(decoder, &input, &inLeft, &output, &outLeft) != size_t(-1) && outLeft == 0;
            m_characters[byte] = defined ? out : char32_t(byte);
            if (defined)
                m_bytes.insert(out, in);
        }
    }

    std::array<char32_t, 256> m_characters{};
    QHash<char32_t, char> m_bytes;
};

std::optional<QString> utf8Text(const QByteArray &line)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(line);
    if (utf8.hasError())
        return std::nullopt;
    return text;
}

} // namespace

LineEncoding lineEncoding(const QByteArray &line)
{
    return utf8Text(line) ? LineEncoding::Utf8 : LineEncoding::Windows1252;
}

QString decodeLine(const QByteArray &line)
{
    if (std::optional<QString> text = utf8Text(line))
        return *std::move(text);
    const Windows1252 &table = Windows1252::instance();
    std::u32string characters;
    characters.reserve(size_t(line.size()));
    for (const char byte : line)
        characters.push_back(table.decode(static_cast<unsigned char>(byte)));
    return QString::fromUcs4(characters.data(), qsizetype(characters.size()));
}

QByteArray encodeLine(const QString &text, LineEncoding encoding)
{
    if (encoding == LineEncoding::Windows1252) {
        const Windows1252 &table = Windows1252::instance();
        QByteArray bytes;
        bytes.reserve(text.size());
        char byte = 0;
        for (const char32_t character : text.toUcs4()) {
            if (!table.encode(character, byte))
                return text.toUtf8();
            bytes.append(byte);
        }
        return bytes;
    }
    return text.toUtf8();
}

} // namespace platform
