#pragma once

namespace ui
{

// Keeps the program's pop-ups (menus, combo lists) open when a window manager moves the input focus
// while one of them holds the keyboard. A manager whose focus follows the pointer (twm) may take the
// focus from the program's window as soon as a pop-up appears under the pointer, and Qt closes every
// pop-up once the program's window has lost the focus, so the pop-up would vanish before anything
// could be chosen in it. The pop-up holds the keyboard grab, so keys reach it wherever the focus is:
// a focus loss that others cause while it is open means nothing to it and is dropped (Qt learns
// the real focus when the grab ends). Once per process, on X11 only; runProgram calls it.
void installPopupFocusGuard();

} // namespace ui
