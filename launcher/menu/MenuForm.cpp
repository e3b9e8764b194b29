#include "launcher/menu/MenuForm.h"

#include "launcher/menu/MenuDesign.h"

namespace menu
{

namespace
{

// Pictures are drawn at this size in pixels, above the caption.
constexpr int pictureSize = 20;

void addLabel(ui::Form &form, const LabelDesign &design)
{
    auto &label = form.add<ui::Label>({design.name,
                                       {design.left, design.top, design.width, design.height},
                                       design.caption,
                                       design.tabIndex});
    label.setAlignment(design.alignment);
    label.setTransparent(true);
    label.setForeColour(design.textColour);
    label.setFont({design.fontName, design.fontSize, true, design.underline, 0});
}

} // namespace

MenuForm::MenuForm() : ui::Form(menuWindowDesign().name)
{
    const WindowDesign &design = menuWindowDesign();
    setCaption(design.caption);
    setBackColour(design.backColour);
    setForeColour(design.textColour);
    setFont({design.fontName, design.fontSize, true, false, 0});
    setBorderStyle(ui::BorderStyle::FixedSingle);
    setKeyPreview(true);
    setIcon(launcherIcon());
    setClientSize(design.innerWidth, design.innerHeight);
    addButtons();
    addLabels();
    addStatusBar();
    addMenuTree();
}

ui::StatusBar &MenuForm::statusBar() const
{
    return get<ui::StatusBar>(statusBarDesign().name);
}

void MenuForm::addButtons()
{
    const int width = menuWindowDesign().innerWidth;
    for (const ButtonDesign &design : menuButtons()) {
        auto &button = add<ui::ThreeDButton>({design.name,
                                              {0, design.top, width, design.height},
                                              design.caption,
                                              design.tabIndex,
                                              design.toolTip});
        button.setFont({buttonFontName(), buttonFontSize(), true, false, 0});
        button.setBackColour(buttonBackColour());
        button.setPicture(buttonPicture(design.picture, pictureSize));
        m_buttons.push_back(&button);
    }
}

void MenuForm::addLabels()
{
    addLabel(*this, versionLabel());
    addLabel(*this, webLabel());
}

void MenuForm::addStatusBar()
{
    const StatusBarDesign &design = statusBarDesign();
    const WindowDesign &window = menuWindowDesign();
    const ui::TwipsRect place{0, window.innerHeight - design.height, window.innerWidth, design.height};
    add<ui::StatusBar>({design.name, place, {}, design.tabIndex}).setPanelText(1, design.panelText);
}

void MenuForm::addMenuTree()
{
    std::vector<ui::MenuEntry *> parents;
    for (const MenuEntryDesign &design : menuEntries()) {
        parents.resize(design.level);
        parents.push_back(&addMenu(design.name, design.caption, parents.empty() ? nullptr : parents.back(),
                                   design.visible));
    }
}

} // namespace menu
