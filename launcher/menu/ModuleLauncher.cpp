#include "launcher/menu/ModuleLauncher.h"

#include "launcher/menu/TaskRecording.h"
#include "platform/Failure.h"
#include "platform/Files.h"
#include "ui/Dialogs.h"

namespace menu
{

void launchModule(const MenuContext &context, const ModuleRow &row)
{
    if (context.activeAppli(row.slot))
        return;
    services::SharedState &state = context.state;
    qint64 task = 0;
    try {
        platform::setCurrentDirectory(state.Rep_Donnees + row.folder);
        task = context.starter.start(state.Rep_Appli + row.program, {});
    } catch (const platform::Failure &) {
        const auto trad = [&context](const QString &texte) { return context.TRAD(texte); };
        ui::dialogs().message(launchFailureMessage(row, state.Rep_Appli, trad));
        return;
    }
    // The new program has rarely a window yet: it takes the focus once it shows one.
    context.activator.activateOnceShown(task);
    Memo_Tache_Module(state.Tab_Taches, task, row.slot);
}

} // namespace menu
