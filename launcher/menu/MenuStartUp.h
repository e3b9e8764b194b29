#pragma once

#include "launcher/menu/MenuContext.h"
#include "launcher/menu/MenuForm.h"

namespace menu
{

// MENUPROD's load: the whole start-up of the launcher, before its window is first shown. It has no
// error trap: its failures go to the caller, which ends the launcher with the run-time error report.
void Form_Load(MenuForm &form, const MenuContext &context);

// The docking of the start-up and the link label's place again, once the window's border and
// caption bar are known: the load could only dock the window without them.
void dockWithFrame(MenuForm &form);

// The language number of the data folder's torbprod.ini; 0 without that file.
qint16 languageOfDataFolder(const QString &dataFolder);

} // namespace menu
