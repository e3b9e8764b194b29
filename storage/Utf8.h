#pragma once

namespace storage
{

// Reads one code point of the UTF-8 text that SQLite hands over and steps over it; a malformed
// byte stands for itself. No allocation, as collations and functions run for every row.
inline char32_t nextCodePoint(const unsigned char *&at, const unsigned char *end)
{
    const unsigned char lead = *at++;
    if (lead < 0x80)
        return lead;
    const int trailing = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
    if (trailing == 0 || end - at < trailing)
        return lead;
    char32_t point = lead & (0x3F >> trailing);
    for (int i = 0; i < trailing; ++i) {
        if ((at[i] & 0xC0) != 0x80)
            return lead;
        point = (point << 6) | (at[i] & 0x3F);
    }
    at += trailing;
    return point;
}

} // namespace storage
