#pragma once

#include "launcher/menu/MenuContext.h"

#include <QString>
#include <array>

namespace menu
{

// The words that the main window title of each module holds, in the order they are closed. The
// bill-of-materials composer has none: it is never force-closed.
const std::array<QString, 8> &moduleTitleWords();

// F12 and "Forcer la fermeture de TORBPROD": once confirmed, each module with a visible window is
// asked about and, on OK, its windows get the close request. Nothing is translated.
void forceCloseModules(const MenuContext &context);

// One module's question and close pass; a failure is shown and ends only this module's turn.
void Ferme_Module(const MenuContext &context, const QString &word);

} // namespace menu
