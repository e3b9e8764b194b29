#pragma once

#include "launcher/menu/ButtonPictures.h"
#include "ui/Alignment.h"
#include "ui/Colour.h"

#include <QString>
#include <vector>

namespace menu
{

// MENUPROD as designed: pure data, turned into a window by MenuForm. Places and sizes in twips,
// colours in the platform's colour numbers (red in the lowest byte).

struct WindowDesign {
    QString name;
    QString caption;
    ui::ColourNumber backColour;
    ui::ColourNumber textColour;
    int innerWidth;
    int innerHeight;
    QString fontName;
    double fontSize;
};

struct ButtonDesign {
    QString name;
    QString caption; // a run of blanks pushes the following words onto the second line
    QString toolTip;
    int tabIndex;
    int top;
    int height;
    ButtonPicture picture;
};

struct LabelDesign {
    QString name;
    QString caption;
    int left;
    int top;
    int width;
    int height;
    ui::Alignment alignment;
    ui::ColourNumber textColour;
    QString fontName;
    double fontSize;
    bool underline;
    int tabIndex;
};

struct MenuEntryDesign {
    int level; // 0: top menu, 1: the tools pop-up, 2: its entries
    QString name;
    QString caption; // "-" for a separator
    bool visible;
};

const WindowDesign &menuWindowDesign();

// The ten 3-D buttons from top to bottom; all of them have left 0 and the window's full width.
const std::vector<ButtonDesign> &menuButtons();
QString buttonFontName();
double buttonFontSize();
ui::ColourNumber buttonBackColour();

const LabelDesign &versionLabel();
const LabelDesign &webLabel();

struct StatusBarDesign {
    QString name;
    QString panelText;
    int height;
    int tabIndex;
};
const StatusBarDesign &statusBarDesign();

// The menu tree in order: the hidden top entry, the tools pop-up and its entries.
const std::vector<MenuEntryDesign> &menuEntries();

} // namespace menu
