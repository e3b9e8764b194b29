#pragma once

#include "launcher/services/SharedState.h"

#include <QString>
#include <QStringList>

namespace services
{

// The update address given by the lines of torbprod.ini: the value of the last line whose first
// ten characters, blanks removed and ignoring case, are "VOSKERAND=" and that has something after
// the "=" (blanks removed, case kept), up to the first empty line; "" when there is none.
QString voskerandFromIniLines(const QStringList &lines);

// URL_Web from the torbprod.ini of the folder that holds the live current directory (the data
// folder's own when it is a root); "" without that file. A failure is reported in a message box.
void Init_URL_VOSKERAND(SharedState &etat);

} // namespace services
