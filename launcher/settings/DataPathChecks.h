#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace settings
{

// The environment of a product row: exactly "R" (networked) or "M" (single station), upper case.
bool isEnvironment(const QString &text);
// The network type of a networked row: exactly "L", "I", "T" or "N", upper case.
bool isNetworkType(const QString &text);

// The lines of the messages that refuse a wrong environment or network type, in French.
const QStringList &environmentMessageLines();
const QStringList &networkMessageLines();

// One message of the lines, each passed through translate, joined by a carriage return alone.
QString messageOfLines(const QStringList &lines, const std::function<QString(const QString &)> &translate);

} // namespace settings
