#pragma once

namespace ui
{

enum class ControlKind {
    Label,
    TextBox,
    CommandButton,
    OptionButton,
    CheckBox,
    Frame,
    PictureBox,
    Line,
    MenuEntry,
    StatusBar,
    ThreeDButton,
    Grid,
    ListBox,
    ComboBox,
};

} // namespace ui
