#pragma once

#include <QString>

namespace platform
{

// Gives back a text as a target character set can show it. Translations come in as Unicode; a
// character that a character set lacks is shown as "?". Every member throws platform::Failure
// (an unknown character-set name, a conversion the system cannot make).
class CharsetConverter
{
public:
    virtual ~CharsetConverter() = default;

    // The character set in which the converted texts are written.
    virtual void setSourceCharset(const QString &name) = 0;
    virtual QString convert(const QString &text, const QString &targetCharset) = 0;
};

} // namespace platform
