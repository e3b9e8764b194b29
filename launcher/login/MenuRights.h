#pragma once

#include "launcher/login/LoginTables.h"

#include <QString>
#include <vector>

namespace ui
{
class Form;
} // namespace ui

namespace login
{

// The Tag that marks a menu entry read-only; what that means is the host's to decide.
inline const QString lectureSeule = QStringLiteral("*RO*");

// A menu entry of a right: a name beginning with "M_" that equals the right's name, exact case.
bool estEntreeMenu(const QString &nomControle, const QString &nomMenu);

// The button that goes with menu entry M_Xyz: CMD_XYZ, Cmd_Xyz, cmd_xyz... ("CMD" and the menu
// name without its first character, ignoring case).
bool estBoutonAssocie(const QString &nomControle, const QString &nomMenu);

// Which loaded form, by position in loading order, the rights go to: the first one for module
// 9, else the one loaded just before the dialog (the last); -1 when there is none.
int positionFormeCible(qint16 numModule, int nombreFormes);

// Hides the menu entries of access 0 with their buttons, closing the gap under each hidden button
// through the picture boxes and lines the host tagged beside it, and tags the other entries
// read-only. Each row is applied once per matching control.
void appliqueDroits(ui::Form &cible, const std::vector<DroitMenu> &droits);

} // namespace login
