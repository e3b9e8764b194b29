#include "launcher/services/ParamsMenu.h"

#include "launcher/services/IniLines.h"
#include "launcher/services/MenuConfig.h"
#include "platform/Files.h"
#include "ui/Dialogs.h"

namespace services
{

void Init_Params_Menu(SharedState &etat)
{
    etat.Coul_FondMenu = etat.Coul_FondMenu_Def;
    etat.Coul_FondBtn = etat.Coul_FondBtn_Def;
    etat.Coul_TexteBtn = etat.Coul_TexteBtn_Def;
    int stage = 0;
    QString path;
    try {
        const QString folder = platform::currentDirectory();
        path = folder + QStringLiteral("/menuconfig.ini");
        const QString existing = existingFile(folder, QStringLiteral("menuconfig.ini"));
        if (!existing.isEmpty()) {
            const MenuColours colours =
                applyMenuColourTexts({etat.Coul_FondMenu, etat.Coul_FondBtn, etat.Coul_TexteBtn},
                                     menuColoursFromLines(readTextLines(existing)));
            etat.Coul_FondMenu = colours.frmBackColor;
            etat.Coul_FondBtn = colours.btnBackColor;
            etat.Coul_TexteBtn = colours.btnForeColor;
        } else {
            stage = 1;
            writeMenuConfig(path, {etat.Coul_FondMenu, etat.Coul_FondBtn, etat.Coul_TexteBtn});
        }
    } catch (const platform::Failure &failure) {
        // The description of a file's failure names the file already.
        const QString description = failure.description();
        const bool named = !path.isEmpty() && description.contains(path, Qt::CaseInsensitive);
        ui::dialogs().message(QStringLiteral("Procedure Init_Params_Menu (%1) : ").arg(stage) + description +
                              (named ? QString() : u' ' + path));
    }
}

} // namespace services
