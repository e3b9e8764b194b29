#pragma once

#include "launcher/menu/MenuContext.h"

#include "ui/Form.h"

namespace menu
{

// The menu window's unload: refused while a started module still runs (that module comes to the
// front), else asked for confirmation; a confirmed exit runs Lance_AutoCompact.
void Form_Unload(const MenuContext &context, bool &cancel);

// The current directory back to the data folder and, on a Friday, the unattended compaction program
// started when it is installed. Its failures are reported, never passed on.
void Lance_AutoCompact(const MenuContext &context);

// The menu window back at the top right of the screen, its height kept.
void Repositionne_Menu(ui::Form &form);

} // namespace menu
