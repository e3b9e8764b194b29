#include "launcher/settings/DataPathChecks.h"

namespace settings
{

bool isEnvironment(const QString &text)
{
    return text == QLatin1String("R") || text == QLatin1String("M");
}

bool isNetworkType(const QString &text)
{
    static const QStringList types{QStringLiteral("L"), QStringLiteral("I"), QStringLiteral("T"),
                                   QStringLiteral("N")};
    return types.contains(text);
}

const QStringList &environmentMessageLines()
{
    static const QStringList lines{
        QStringLiteral("Type d'environnement erroné :"),
        QStringLiteral("  'R' : Opérationnel en réseau"),
        QStringLiteral("  'M' : Opérationnel en monoposte"),
    };
    return lines;
}

const QStringList &networkMessageLines()
{
    static const QStringList lines{
        QStringLiteral("Type de réseau erroné :"),
        QStringLiteral("  'L' si vous êtes sur le serveur"),
        QStringLiteral("  'I' si vous êtes sous IPX (Novell, WORKSGROUP,..."),
        QStringLiteral("  'T' si vous êtes sous TCP/IP"),
        QStringLiteral("  'N' si vous êtes sous NETBIOS"),
    };
    return lines;
}

QString messageOfLines(const QStringList &lines, const std::function<QString(const QString &)> &translate)
{
    QStringList translated;
    for (const QString &line : lines)
        translated << translate(line);
    return translated.join(QLatin1Char('\r'));
}

} // namespace settings
