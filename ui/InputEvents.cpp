#include "ui/InputEvents.h"

#include "ui/Twips.h"

#include <QHash>
#include <QMouseEvent>

namespace ui
{

int keyCode(int qtKey)
{
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9))
        return qtKey; // same codes as their upper-case characters
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F16)
        return 112 + (qtKey - Qt::Key_F1);
    static const QHash<int, int> others = {
        {Qt::Key_Backspace, 8}, {Qt::Key_Tab, 9},     {Qt::Key_Backtab, 9},  {Qt::Key_Return, 13},
        {Qt::Key_Enter, 13},    {Qt::Key_Shift, 16},  {Qt::Key_Control, 17}, {Qt::Key_Alt, 18},
        {Qt::Key_Pause, 19},    {Qt::Key_Escape, 27}, {Qt::Key_Space, 32},   {Qt::Key_PageUp, 33},
        {Qt::Key_PageDown, 34}, {Qt::Key_End, 35},    {Qt::Key_Home, 36},    {Qt::Key_Left, 37},
        {Qt::Key_Up, 38},       {Qt::Key_Right, 39},  {Qt::Key_Down, 40},    {Qt::Key_Insert, 45},
        {Qt::Key_Delete, 46},
    };
    return others.value(qtKey, 0);
}

int shiftState(Qt::KeyboardModifiers modifiers)
{
    return (modifiers & Qt::ShiftModifier ? ShiftMask : 0) |
           (modifiers & Qt::ControlModifier ? CtrlMask : 0) | (modifiers & Qt::AltModifier ? AltMask : 0);
}

MouseEvent mouseEvent(const QMouseEvent *mouse)
{
    const Qt::MouseButtons held = mouse->buttons() | mouse->button();
    const int button = (held & Qt::LeftButton ? 1 : 0) | (held & Qt::RightButton ? 2 : 0) |
                       (held & Qt::MiddleButton ? 4 : 0);
    const QPoint at = mouse->position().toPoint();
    return {button, shiftState(mouse->modifiers()), pixelsToTwips(at.x()), pixelsToTwips(at.y())};
}

} // namespace ui
