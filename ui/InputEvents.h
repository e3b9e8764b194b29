#pragma once

#include "ui/Events.h"

#include <Qt>

class QMouseEvent;

namespace ui
{

// Key codes as the programs test them (F11 122, F12 123, Enter 13...); 0 for a key without one.
int keyCode(int qtKey);

// Shift state (ShiftMask, CtrlMask, AltMask) of Qt modifiers.
int shiftState(Qt::KeyboardModifiers modifiers);

// A Qt mouse event as the controls report it: buttons, shift state and place in twips.
MouseEvent mouseEvent(const QMouseEvent *mouse);

} // namespace ui
