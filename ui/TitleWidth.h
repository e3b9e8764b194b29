#pragma once

#include <QString>

class QMessageBox;

namespace ui
{

// The width a window needs for its whole title on a window manager's title bar: the title in a
// bold title-bar font, and room for the window's icon and its three buttons on that bar.
int titleBarWidth(const QString &title);

// Keeps a message box, which Qt sizes to its text, at least as wide as its title needs.
void keepTitleWhole(QMessageBox &box);

} // namespace ui
