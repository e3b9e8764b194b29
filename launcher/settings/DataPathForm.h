#pragma once

#include "ui/CommandButton.h"
#include "ui/DataCombo.h"
#include "ui/DriveList.h"
#include "ui/FileList.h"
#include "ui/FolderList.h"
#include "ui/Form.h"
#include "ui/Grid.h"
#include "ui/TextBox.h"
#include "ui/ThreeDButton.h"

namespace settings
{

// Grid columns of the product list.
inline constexpr int kNumberColumn = 1;
inline constexpr int kPathColumn = 3;
inline constexpr int kDatabaseNameColumn = 4;

// FPARSYS as designed, before its load: the product list with the server-folder line on the left,
// the frame with the current row's fields on the right, the save and quit bar along the bottom.
class DataPathForm : public ui::Form
{
public:
    DataPathForm();

    ui::Grid &DBG_APPLI() const { return get<ui::Grid>(QStringLiteral("DBG_APPLI")); }
    ui::TextBox &CTX_PROD() const { return get<ui::TextBox>(QStringLiteral("CTX_PROD")); }
    ui::TextBox &CTX_NOMMDB() const { return get<ui::TextBox>(QStringLiteral("CTX_NOMMDB")); }
    ui::FolderList &Dir_APPLI() const { return get<ui::FolderList>(QStringLiteral("Dir_APPLI")); }
    ui::DriveList &DEV_APPLI() const { return get<ui::DriveList>(QStringLiteral("DEV_APPLI")); }
    ui::FileList &LSF_APPLI() const { return get<ui::FileList>(QStringLiteral("LSF_APPLI")); }
    ui::TextBox &CTX_Status() const { return get<ui::TextBox>(QStringLiteral("CTX_Status")); }
    ui::TextBox &CTX_RESEAU() const { return get<ui::TextBox>(QStringLiteral("CTX_RESEAU")); }
    ui::TextBox &FPATH_PATH() const { return get<ui::TextBox>(QStringLiteral("FPATH_PATH")); }
    ui::ThreeDButton &Cmd_efface() const { return get<ui::ThreeDButton>(QStringLiteral("Cmd_efface")); }
    ui::TextBox &CTX_PathServeur() const { return get<ui::TextBox>(QStringLiteral("CTX_PathServeur")); }
    ui::CommandButton &CMD_MajPath() const { return get<ui::CommandButton>(QStringLiteral("CMD_MajPath")); }
    ui::DataCombo &DBC_PathServeur() const { return get<ui::DataCombo>(QStringLiteral("DBC_PathServeur")); }
    ui::ThreeDButton &CmdUpdate() const { return get<ui::ThreeDButton>(QStringLiteral("CmdUpdate")); }
    ui::ThreeDButton &CmdClose() const { return get<ui::ThreeDButton>(QStringLiteral("CmdClose")); }
};

} // namespace settings
