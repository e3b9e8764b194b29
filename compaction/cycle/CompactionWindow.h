#pragma once

#include "ui/Colour.h"
#include "ui/Twips.h"

namespace ui
{
class Form;
}

namespace compaction
{

// What the two compaction windows share in their design.
inline constexpr ui::ColourNumber kCompactionBackColour = ui::rgb(255, 255, 128);
// The folder box's design text.
inline const QString kDefaultDatabaseFolder = QStringLiteral("/torbmdb/");

// Caption, colour and place of a compaction window whose inner area is clientHeight twips high.
void designCompactionWindow(ui::Form &form, int clientHeight);

// "Label1", the caption of the folder box.
void addFolderLabel(ui::Form &form);
// "CTX_DBPATH", the database folder.
void addFolderBox(ui::Form &form, const ui::TwipsRect &place);
// "CTX_Status", the status log: several lines, locked against typing.
void addStatusBox(ui::Form &form, const ui::TwipsRect &place, int tabIndex);
// "CMD_Quitter", which ends the program at once.
void addQuitButton(ui::Form &form, const ui::TwipsRect &place, int tabIndex);

} // namespace compaction
