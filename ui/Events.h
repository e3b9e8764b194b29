#pragma once

#include <functional>

namespace ui
{

// Shift state of key and mouse events: 1 Shift, 2 Ctrl, 4 Alt.
enum ShiftState { ShiftMask = 1, CtrlMask = 2, AltMask = 4 };

// Mouse buttons of mouse events: 1 left, 2 right, 4 middle.
struct MouseEvent {
    int button = 0;
    int shift = 0;
    int x = 0; // twips, in the receiver's coordinates
    int y = 0;
};

using Handler = std::function<void()>;
// Key down and key up: the key code may be changed by the handler; 0 consumes the key.
using KeyHandler = std::function<void(int &keyCode, int shift)>;
// Key press: the character typed; the handler may replace it, 0 cancels it.
using KeyPressHandler = std::function<void(int &keyAscii)>;
using MouseHandler = std::function<void(const MouseEvent &)>;
// Unload: setting cancel to true keeps the form loaded.
using UnloadHandler = std::function<void(bool &cancel)>;

} // namespace ui
