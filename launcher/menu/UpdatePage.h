#pragma once

#include "launcher/menu/MenuContext.h"

#include <QString>

namespace menu
{

// The maker's update page, opened when torbprod.ini names none.
QString builtInUpdateAddress();

// The address of the update page: URL_Web as it stands, or the built-in page when it is empty.
QString updatePageAddress(const QString &urlWeb);

// "Téléchargement mises à jour" and the link label: once confirmed, the page is handed to the
// desktop's opener, with the program folder as its working folder. Nothing here is translated; a
// failure to start the opener is reported.
void openUpdatePage(const MenuContext &context);

} // namespace menu
