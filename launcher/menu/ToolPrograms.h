#pragma once

#include "launcher/menu/MenuContext.h"

#include <QString>
#include <array>

namespace menu
{

// A tools entry that starts a program of the program folder.
struct ToolProgram {
    QString entry;
    QString program;
};

// In menu order: translation editor, template manager under both its names, Excel-template
// builder, compaction program, version checker.
const std::array<ToolProgram, 6> &toolPrograms();

// A program entry: the current directory becomes the data folder (and stays so), then the program
// starts there with the data folder as its one argument. Tools are not tracked: each choice starts
// another copy. A program that cannot start is reported; the launcher goes on.
void startTool(const MenuContext &context, const QString &program);

} // namespace menu
