#include "compaction/cycle/CompactionWindow.h"

#include "ui/CommandButton.h"
#include "ui/Form.h"
#include "ui/Label.h"
#include "ui/Program.h"
#include "ui/TextBox.h"

namespace compaction
{

void designCompactionWindow(ui::Form &form, int clientHeight)
{
    form.setCaption(QStringLiteral("Compacter/Réparer Bases de Données TORBPROD"));
    form.setBackColour(kCompactionBackColour);
    form.setClientSize(6720, clientHeight);
    form.setStartUpPosition(ui::StartUpPosition::CentreScreen);
}

void addFolderLabel(ui::Form &form)
{
    form.add<ui::Label>(
        {QStringLiteral("Label1"), {60, 60, 1995, 255}, QStringLiteral("Chemin bases de données"), 1});
}

void addFolderBox(ui::Form &form, const ui::TwipsRect &place)
{
    form.add<ui::TextBox>({QStringLiteral("CTX_DBPATH"), place, kDefaultDatabaseFolder, 0}).setFontBold(true);
}

void addStatusBox(ui::Form &form, const ui::TwipsRect &place, int tabIndex)
{
    auto &status = form.add<ui::TextBox>(
        ui::ControlDesign(QStringLiteral("CTX_Status"), place, {}, tabIndex).severalLines());
    status.setLocked(true);
    status.setBackColour(ui::rgb(255, 255, 255));
}

void addQuitButton(ui::Form &form, const ui::TwipsRect &place, int tabIndex)
{
    form.add<ui::CommandButton>({QStringLiteral("CMD_Quitter"), place, QStringLiteral("Quitter"), tabIndex})
        .onClick = [] { ui::endProgram(); };
}

} // namespace compaction
