#pragma once

#include "platform/Failure.h"

#include <QString>
#include <cerrno>
#include <iconv.h>

namespace platform
{

// Texts travel between character sets as native UCS-4: one code point is always four bytes.
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
inline constexpr const char *Ucs4 = "UTF-32LE";
#else
inline constexpr const char *Ucs4 = "UTF-32BE";
#endif

// An open iconv descriptor from one character set to another, closed with its owner. name is the
// character set the user knows it by, for the failure.
class IconvDescriptor
{
public:
    IconvDescriptor(const char *to, const char *from, const QString &name) : m_handle(iconv_open(to, from))
    {
        if (m_handle == reinterpret_cast<iconv_t>(-1))
            throw Failure(QStringLiteral("Jeu de caractères inconnu : %1").arg(name), errno);
    }
    ~IconvDescriptor() { iconv_close(m_handle); }
    IconvDescriptor(const IconvDescriptor &) = delete;
    IconvDescriptor &operator=(const IconvDescriptor &) = delete;

    operator iconv_t() const { return m_handle; }

private:
    iconv_t m_handle;
};

} // namespace platform
