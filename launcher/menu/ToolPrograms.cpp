#include "launcher/menu/ToolPrograms.h"

#include "platform/Failure.h"
#include "platform/Files.h"
#include "ui/Dialogs.h"

namespace menu
{

const std::array<ToolProgram, 6> &toolPrograms()
{
    static const std::array<ToolProgram, 6> programs{{
        {QStringLiteral("M_TRAD"), QStringLiteral("PeluVar.exe")},
        {QStringLiteral("M_MODARIN"), QStringLiteral("Modarin.exe")},
        {QStringLiteral("M_DOT"), QStringLiteral("modvisk.exe")},
        {QStringLiteral("M_Excel"), QStringLiteral("Zelbrox.exe")},
        {QStringLiteral("M_COMPACT"), QStringLiteral("Pressolite.exe")},
        {QStringLiteral("M_VERSDLL"), QStringLiteral("Kivrand.exe")},
    }};
    return programs;
}

void startTool(const MenuContext &context, const QString &program)
{
    const services::SharedState &state = context.state;
    try {
        platform::setCurrentDirectory(state.Rep_Donnees);
        // The data folder goes as it stands, ending with its separator.
        const qint64 started = context.starter.start(state.Rep_Appli + program, {state.Rep_Donnees});
        context.activator.activateOnceShown(started);
    } catch (const platform::Failure &failure) {
        ui::dialogs().message(QStringLiteral("Lancement impossible : ") + failure.description());
    }
}

} // namespace menu
