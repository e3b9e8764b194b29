#pragma once

#include <QString>
#include <ostream>

// Test failures show texts as texts rather than as bytes.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}
