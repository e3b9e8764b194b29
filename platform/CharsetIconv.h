#pragma once

#include "platform/Charset.h"

#include <map>
#include <memory>

namespace platform
{

class IconvCharset;

// The character-set converter over the C library's iconv. The source character set starts as
// "utf-8"; descriptors are opened once per character-set name and kept.
class IconvCharsetConverter : public CharsetConverter
{
public:
    IconvCharsetConverter();
    ~IconvCharsetConverter() override;

    void setSourceCharset(const QString &name) override;
    QString convert(const QString &text, const QString &targetCharset) override;

private:
    IconvCharset &charset(const QString &name);

    std::map<QString, std::unique_ptr<IconvCharset>> m_charsets;
    IconvCharset *m_source = nullptr;
};

} // namespace platform
