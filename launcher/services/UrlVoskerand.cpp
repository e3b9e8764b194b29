#include "launcher/services/UrlVoskerand.h"

#include "launcher/services/ExtraitChemin.h"
#include "launcher/services/IniLines.h"
#include "platform/Files.h"
#include "platform/TextCase.h"
#include "ui/Dialogs.h"

namespace services
{

QString voskerandFromIniLines(const QStringList &lines)
{
    static const QString key = QStringLiteral("VOSKERAND=");
    QString address;
    for (QString line : iniContent(lines)) {
        line.remove(u' ');
        if (platform::upperCase(line.left(key.size())) != key)
            continue;
        const qsizetype equals = line.indexOf(u'=');
        if (equals + 1 < line.size())
            address = line.mid(equals + 1);
    }
    return address;
}

void Init_URL_VOSKERAND(SharedState &etat)
{
    etat.URL_Web.clear();
    try {
        // The current directory has no final separator except at a root: the folder above it.
        const QString folder = Extrait_Chemin(platform::currentDirectory());
        const QString existing = existingFile(folder, QStringLiteral("torbprod.ini"));
        if (!existing.isEmpty())
            etat.URL_Web = voskerandFromIniLines(readTextLines(existing));
    } catch (const platform::Failure &failure) {
        ui::dialogs().message(QStringLiteral("Procedure Init_URL_VOSKERAND : ") + failure.description());
    }
}

} // namespace services
