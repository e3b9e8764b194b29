#pragma once

#include "launcher/settings/DataPathForm.h"
#include "launcher/settings/SettingsContext.h"
#include "storage/Database.h"
#include "storage/TableCursor.h"
#include "ui/DataSource.h"

#include <functional>
#include <memory>
#include <optional>

namespace settings
{

// The data-path window: the folder table TPATH of DBPATH.MDB, one row per product, with the
// folder of each product's database, the environment and the network type of the workstation,
// and the server folder that "Appliquer à tous" gives every product found there, remembered in
// TMP_MEMOPATH of BDLOC.MDB. Modeless; form().show() loads it the first time, "&Quit" unloads it
// and the next show builds everything anew. No failure of its handlers ends the launcher.
class FPARSYS
{
public:
    explicit FPARSYS(const SettingsContext &context);
    ~FPARSYS();
    FPARSYS(const FPARSYS &) = delete;
    FPARSYS &operator=(const FPARSYS &) = delete;

    ui::Form &form() { return m_form; }
    DataPathForm &window() { return m_form; }

private:
    void Form_Load();
    void Form_Activate();
    void Form_Unload();
    void Form_KeyDown(int keyCode);
    void DBD_PATH_Reposition(int row);
    void DEV_APPLI_Change();
    void Dir_APPLI_Change();
    void LSF_APPLI_Click();
    void Cmd_efface_Click();
    void CTX_Status_Change();
    void CTX_Status_KeyDown(int keyCode);
    void CTX_Status_LostFocus();
    void CTX_RESEAU_LostFocus();
    void CmdUpdate_Click();
    void CmdClose_Click();
    void CMD_MajPath_Click();
    void DBC_PathServeur_Click();

    void checkProducts();
    void openDataSources();
    // The field of the current row of DBD_PATH; Null as an invalid value.
    QVariant currentField(const QString &field) const;
    // FPATH_PATH is locked, so its data source does not take it: the row gets it here.
    void setFolderOfRow(const QString &folder);
    // A box left for another control must hold an accepted text, else the message of the lines
    // says so and the focus goes back into it.
    void checkLeftBox(ui::TextBox &box, bool (*accepted)(const QString &), const QStringList &lines);
    // Shows the message of the lines and puts the focus back into the box.
    void refuse(ui::TextBox &box, const QStringList &lines);
    // Whether a box holds a change of the current row that the window refuses; the user is told
    // (unless leaving the box just did) and nothing may be written or left.
    bool refusesTypedValue();
    // Whether the focus has gone to another control of this window (and not to another window).
    bool focusStaysInWindow() const;
    storage::TableCursor &rsPath();
    // Runs a handler without a trap of its own: its failure is shown, the launcher goes on.
    void reported(const std::function<void()> &handler);

    SettingsContext m_context;
    DataPathForm m_form;
    std::optional<storage::TableCursor> RS_PATH;
    std::optional<storage::Database> DB_MemoPath;
    // Each data source's database outlives it.
    std::optional<storage::Database> m_pathDatabase;
    std::optional<storage::Database> m_memoDatabase;
    std::unique_ptr<ui::DataSource> DBD_PATH;
    std::unique_ptr<ui::DataSource> DBD_MEMOPATH;
    // The refusal that leaving a box showed last, until a write or a row change asks again.
    struct RefusalShown {
        const ui::TextBox *box = nullptr;
        QString text;
    };
    RefusalShown m_refusalShown;
};

} // namespace settings
