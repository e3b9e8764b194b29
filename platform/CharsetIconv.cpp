#include "platform/CharsetIconv.h"

#include "platform/Failure.h"
#include "platform/IconvDescriptor.h"

#include <QList>
#include <QtEndian>
#include <cerrno>
#include <vector>

namespace platform
{

namespace
{

constexpr char32_t Replacement = U'?';

Failure conversionFailure(const QString &name)
{
    return Failure(QStringLiteral("Conversion impossible dans le jeu de caractères %1").arg(name), errno);
}

// Runs one iconv pass over input, growing output as needed. At a character that the target lacks,
// replacement (when given) is written in its place and the character's four bytes are stepped over;
// without it, a failure.
void transcode(iconv_t descriptor, const char *input, size_t inputSize, std::vector<char> &output,
               const QString &name, const std::vector<char> *replacement)
{
    iconv(descriptor, nullptr, nullptr, nullptr, nullptr);
    output.resize(inputSize + 16);
    size_t written = 0;
    char *in = const_cast<char *>(input);
    size_t inLeft = inputSize;
    bool flushing = false;
    for (;;) {
        char *out = output.data() + written;
        size_t outLeft = output.size() - written;
        const size_t result = flushing ? iconv(descriptor, nullptr, nullptr, &out, &outLeft)
                                       : iconv(descriptor, &in, &inLeft, &out, &outLeft);
        written = output.size() - outLeft;
        if (result != static_cast<size_t>(-1)) {
            if (flushing)
                break;
            flushing = true;
        } else if (errno == E2BIG) {
            output.resize(output.size() * 2 + 16);
        } else if (errno == EILSEQ && !flushing && replacement && inLeft >= sizeof(char32_t)) {
            output.resize(written);
            output.insert(output.end(), replacement->begin(), replacement->end());
            written = output.size();
            output.resize(written + inLeft + 16);
            in += sizeof(char32_t);
            inLeft -= sizeof(char32_t);
        } else {
            throw conversionFailure(name);
        }
    }
    output.resize(written);
}

} // namespace

// One named character set: the descriptors from and to UCS-4, and "?" as the set writes it.
class IconvCharset
{
public:
    explicit IconvCharset(const QString &name)
        : m_name(name), m_encoder(name.toLatin1().constData(), Ucs4, name),
          m_decoder(Ucs4, name.toLatin1().constData(), name), m_replacement(encode(&Replacement, 1, nullptr))
    {
    }

    // The text as this set can show it: every character it lacks becomes "?".
    std::u32string showable(const std::u32string &text)
    {
        const std::vector<char> bytes = encode(text.data(), text.size(), &m_replacement);
        std::vector<char> decoded;
        transcode(m_decoder, bytes.data(), bytes.size(), decoded, m_name, nullptr);
        return std::u32string(reinterpret_cast<const char32_t *>(decoded.data()),
                              decoded.size() / sizeof(char32_t));
    }

private:
    std::vector<char> encode(const char32_t *text, size_t length, const std::vector<char> *replacement)
    {
        std::vector<char> bytes;
        transcode(m_encoder, reinterpret_cast<const char *>(text), length * sizeof(char32_t), bytes, m_name,
                  replacement);
        return bytes;
    }

    QString m_name;
    IconvDescriptor m_encoder;
    IconvDescriptor m_decoder;
    std::vector<char> m_replacement;
};

IconvCharsetConverter::IconvCharsetConverter()
{
    m_source = &charset(QStringLiteral("utf-8"));
}

IconvCharsetConverter::~IconvCharsetConverter() = default;

void IconvCharsetConverter::setSourceCharset(const QString &name)
{
    m_source = &charset(name);
}

QString IconvCharsetConverter::convert(const QString &text, const QString &targetCharset)
{
    IconvCharset &target = charset(targetCharset);
    const QList<uint> codePoints = text.toUcs4();
    const std::u32string source = m_source->showable(std::u32string(codePoints.begin(), codePoints.end()));
    const std::u32string shown = target.showable(source);
    return QString::fromUcs4(shown.data(), static_cast<qsizetype>(shown.size()));
}

IconvCharset &IconvCharsetConverter::charset(const QString &name)
{
    const QString key = name.toLower();
    auto found = m_charsets.find(key);
    if (found == m_charsets.end())
        found = m_charsets.emplace(key, std::make_unique<IconvCharset>(name)).first;
    return *found->second;
}

} // namespace platform
