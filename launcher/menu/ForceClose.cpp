#include "launcher/menu/ForceClose.h"

#include "launcher/menu/WindowSearch.h"
#include "platform/Failure.h"
#include "ui/Dialogs.h"

namespace menu
{

const std::array<QString, 8> &moduleTitleWords()
{
    // The planning module's windows carry "TORPLAN", not its folder's name.
    static const std::array<QString, 8> words{
        QStringLiteral("TORBSTOC"), QStringLiteral("TORBCOM"),  QStringLiteral("TORPLAN"),
        QStringLiteral("TORBPRIX"), QStringLiteral("TORBAPRO"), QStringLiteral("TORBTMPS"),
        QStringLiteral("SARVELT"),  QStringLiteral("TORBVEH"),
    };
    return words;
}

void forceCloseModules(const MenuContext &context)
{
    // The first title is spelt so.
    if (ui::dialogs().message(QStringLiteral("Forcer la fermeture de TORBPROD ?"),
                              ui::MessageButtons::OkCancel,
                              QStringLiteral("Fermetur TORBPROD")) != ui::Answer::Ok)
        return;
    for (const QString &word : moduleTitleWords())
        Ferme_Module(context, word);
}

void Ferme_Module(const MenuContext &context, const QString &word)
{
    try {
        if (Cherche_Fenetre(context.windows, word) == 0)
            return;
        if (ui::dialogs().message(
                QStringLiteral("Forcer la fermeture du module ") + word + QStringLiteral(" ?"),
                ui::MessageButtons::OkCancel, QStringLiteral("Fermeture TORBPROD")) != ui::Answer::Ok)
            return;
        Ferme_Fenetres(context.windows, word);
    } catch (const platform::Failure &failure) {
        ui::dialogs().message(QStringLiteral("Fermeture module: ") + failure.description());
    }
}

} // namespace menu
