#include "launcher/menu/ExitRules.h"

#include "launcher/menu/Docking.h"
#include "launcher/menu/ProgramPresence.h"
#include "platform/Failure.h"
#include "platform/Files.h"
#include "ui/Dialogs.h"

namespace menu
{

namespace
{

const QString autoCompactProgram = QStringLiteral("AUTOPressolite.exe");

bool aModuleRuns(const MenuContext &context)
{
    for (int slot = 1; slot < int(context.state.Tab_Taches.size()); ++slot) {
        if (context.activeAppli(slot))
            return true;
    }
    return false;
}

} // namespace

void Form_Unload(const MenuContext &context, bool &cancel)
{
    if (aModuleRuns(context)) {
        ui::dialogs().message(context.TRAD(QStringLiteral("Fermez d'abord tous les modules de TORBPROD")));
        cancel = true;
        return;
    }
    const ui::Answer answer = ui::dialogs().message(
        context.TRAD(QStringLiteral("Confirmez la sortie de TORBPROD")), ui::MessageButtons::YesNo);
    if (answer == ui::Answer::Yes)
        Lance_AutoCompact(context);
    else
        cancel = true;
}

void Lance_AutoCompact(const MenuContext &context)
{
    try {
        platform::setCurrentDirectory(context.state.Rep_Donnees);
        const QString program = context.state.Rep_Appli + autoCompactProgram;
        if (programPresent(program) && context.clock.today().dayOfWeek() == Qt::Friday)
            context.starter.start(program, {});
    } catch (const platform::Failure &failure) {
        ui::dialogs().message(QStringLiteral("Auto-Compact: ") + failure.description());
    }
}

void Repositionne_Menu(ui::Form &form)
{
    const ui::TwipsRect place =
        docked(ui::screenWidth(), {form.left(), form.top(), form.width(), form.height()});
    form.setTop(place.top);
    form.setLeft(place.left);
}

} // namespace menu
