#include "launcher/menu/UpdatePage.h"

#include "platform/Failure.h"
#include "ui/Dialogs.h"

namespace menu
{

QString builtInUpdateAddress()
{
    return QStringLiteral("http://www.voskerand.fr/updates/V95/");
}

QString updatePageAddress(const QString &urlWeb)
{
    return urlWeb.isEmpty() ? builtInUpdateAddress() : urlWeb;
}

void openUpdatePage(const MenuContext &context)
{
    try {
        const QString address = updatePageAddress(context.state.URL_Web);
        if (ui::dialogs().message(
                QStringLiteral("Accéder aux liens de téléchargement des mises à jour Torbprod v9.5 ?"),
                ui::MessageButtons::OkCancel, QStringLiteral("VOSKERAND")) != ui::Answer::Ok)
            return;
        // The launcher's own folder as the system gives it, not Rep_Appli with its separator.
        context.shell.open(address, context.programFolder);
    } catch (const platform::Failure &failure) {
        ui::dialogs().message(QStringLiteral("Accés Internet : ") + failure.description());
    }
}

} // namespace menu
