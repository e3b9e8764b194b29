#pragma once

// Every kind of control of the kit, for forms that use many of them.
#include "ui/CheckBox.h"
#include "ui/CommandButton.h"
#include "ui/Frame.h"
#include "ui/Label.h"
#include "ui/Line.h"
#include "ui/MenuEntry.h"
#include "ui/OptionButton.h"
#include "ui/PictureBox.h"
#include "ui/StatusBar.h"
#include "ui/TextBox.h"
#include "ui/ThreeDButton.h"
