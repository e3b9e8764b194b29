#pragma once

#include <QPointer>
#include <QWidget>

namespace ui
{

// A modal box takes the keyboard from the window it was opened from. When the box closes, a window
// manager that reverts the focus gives the keyboard back to that window; without one (or under
// twm, whose focus follows the pointer) nothing does: no window of the program is active, keys go
// to whatever lies under the pointer, Alt+letter and the lost-focus events stop. While it lives it
// remembers the active window; at its end it activates that window again, which then gives the
// focus to its own focus control (the one it had, or the one a handler set meanwhile).
class KeyboardReturn
{
public:
    KeyboardReturn();
    ~KeyboardReturn();
    KeyboardReturn(const KeyboardReturn &) = delete;
    KeyboardReturn &operator=(const KeyboardReturn &) = delete;

    // The window the box is opened from (its parent): the active one, or the one given the keyboard
    // back by the box before; null when there is none.
    QWidget *owner() const { return m_owner; }

private:
    QPointer<QWidget> m_owner;
};

} // namespace ui
