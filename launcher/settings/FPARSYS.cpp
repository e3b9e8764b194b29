#include "launcher/settings/FPARSYS.h"

#include "launcher/settings/DataPathChecks.h"
#include "launcher/settings/DataPathProgram.h"
#include "launcher/settings/MemoPathHistory.h"
#include "launcher/settings/ServerFolder.h"
#include "platform/Failure.h"
#include "platform/Files.h"
#include "platform/TextCase.h"
#include "storage/FolderTable.h"
#include "ui/Dialogs.h"

#include <QApplication>
#include <QWidget>
#include <utility>

namespace settings
{

namespace
{

constexpr int enterKey = 13;
constexpr int f10Key = 121;

const QString pathField = QStringLiteral("TPATH_PATH");
const QString statusField = QStringLiteral("TPATH_STATUS");
const QString networkField = QStringLiteral("TPATH_RESEAU");
// BDLOC.MDB as the apply reaches it beside DBPATH.MDB.
const QString historySchema = QStringLiteral("historique");
const QString databaseNameField = QStringLiteral("TPATH_NOMMDB");
const QString pathsRecordSource = QStringLiteral("SELECT * FROM TPATH ORDER BY TPATH_NUM");

platform::Failure objectNotSet()
{
    return platform::Failure(QStringLiteral("Variable objet ou variable de bloc With non définie"), 91);
}

storage::Database &opened(std::optional<storage::Database> &database)
{
    if (!database)
        throw objectNotSet();
    return *database;
}

// A field read as text: Null is refused, as a text property refuses it.
QString textOf(const QVariant &value)
{
    if (!value.isValid())
        throw platform::Failure(QStringLiteral("Utilisation incorrecte de Null"), 94);
    return value.toString();
}

void ignoringFailure(const std::function<void()> &step)
{
    try {
        step();
    } catch (const platform::Failure &) {
        // The row change follows what it can: a missing folder, a Null field.
    }
}

} // namespace

FPARSYS::FPARSYS(const SettingsContext &context) : m_context(context)
{
    DataPathForm &f = m_form;
    f.onLoad = [this] { Form_Load(); };
    f.onActivate = [this] { Form_Activate(); };
    f.onUnload = [this](bool &) { Form_Unload(); };
    f.onKeyDown = [this](int &keyCode, int) { Form_KeyDown(keyCode); };
    f.DEV_APPLI().onChange = [this] { DEV_APPLI_Change(); };
    f.Dir_APPLI().onChange = [this] { reported([this] { Dir_APPLI_Change(); }); };
    f.LSF_APPLI().onClick = [this] { reported([this] { LSF_APPLI_Click(); }); };
    f.Cmd_efface().onClick = [this] { reported([this] { Cmd_efface_Click(); }); };
    f.CTX_Status().onChange = [this] { reported([this] { CTX_Status_Change(); }); };
    f.CTX_Status().onKeyDown = [this](int &keyCode, int) { reported([&] { CTX_Status_KeyDown(keyCode); }); };
    f.CTX_Status().onLostFocus = [this] { reported([this] { CTX_Status_LostFocus(); }); };
    f.CTX_RESEAU().onLostFocus = [this] { reported([this] { CTX_RESEAU_LostFocus(); }); };
    f.CmdUpdate().onClick = [this] { CmdUpdate_Click(); };
    f.CmdClose().onClick = [this] { reported([this] { CmdClose_Click(); }); };
    f.CMD_MajPath().onClick = [this] { reported([this] { CMD_MajPath_Click(); }); };
    f.DBC_PathServeur().onClick = [this] { reported([this] { DBC_PathServeur_Click(); }); };
}

FPARSYS::~FPARSYS()
{
    m_form.discard();
}

void FPARSYS::Form_Load()
{
    const auto trapped = [this](const std::function<void()> &step) {
        try {
            step();
        } catch (const platform::Failure &failure) {
            ui::dialogs().message(QStringLiteral("Load: ") + failure.description() + QLatin1Char(' ') +
                                  (DB_MemoPath ? DB_MemoPath->path() : QString()));
        }
    };
    const QString &folder = m_context.state.Rep_Donnees;
    Form_Unload(); // an opening builds everything anew
    m_form.CTX_PathServeur().setText({});
    m_form.DBC_PathServeur().setText({});
    openDataSources();

    trapped([&] {
        m_pathDatabase = storage::Database::open(folder + QStringLiteral("dbpath.mdb"));
        DBD_PATH->setDatabase(m_pathDatabase->sqlDatabase());
        DBD_PATH->setRecordSource(pathsRecordSource);
    });
    trapped([&] { RS_PATH = opened(m_context.state.DB_Path).openTable(storage::kFolderTable); });
    bool noProduct = false;
    trapped([&] {
        if (rsPath().recordCount() == 0) {
            ui::dialogs().message(m_context.traduction.TRAD(
                QStringLiteral("Aucun environnement trouvé : vous devez d'abord installer vos produits")));
            noProduct = true;
        }
    });
    bool historySetUp = false;
    if (!noProduct) {
        trapped([&] {
            rsPath().setIndex(QStringLiteral("PrimaryKey"));
            opened(m_context.state.DB_Path).freeLocksWhenIdle();
        });
        trapped([&] {
            rsPath().moveFirst();
            m_form.CTX_PathServeur().setText(rsPath().value(pathField).toString());
        });
        trapped([&] { checkProducts(); });
        trapped([&] { m_context.traduction.TRAD_Form(m_form); });
        trapped([&] { DB_MemoPath = storage::Database::open(folder + QStringLiteral("BDLOC.mdb")); });
        trapped([&] {
            m_memoDatabase = storage::Database::open(folder + QStringLiteral("BDLOC.mdb"));
            DBD_MEMOPATH->setDatabase(m_memoDatabase->sqlDatabase());
            DBD_MEMOPATH->setRecordSource(kMemoPathRecordSource);
            historySetUp = true;
        });
    }

    // The data sources open their rows once the load is over.
    if (m_pathDatabase)
        reported([this] { DBD_PATH->refresh(); });
    if (historySetUp)
        reported([this] { DBD_MEMOPATH->refresh(); });
}

void FPARSYS::checkProducts()
{
    storage::TableCursor &products = rsPath();
    for (products.moveFirst(); !products.atEnd(); products.moveNext()) {
        const storage::FolderRow row = storage::folderRowAt(products);
        if (row.path.value_or(QString()).isEmpty())
            continue;
        try {
            Existe_Appli(platform::currentDirectory(), row.product, row.programName.value_or(QString()));
        } catch (const platform::Failure &failure) {
            ui::dialogs().message(row.product + QStringLiteral(": ") + failure.description());
        }
    }
}

void FPARSYS::openDataSources()
{
    DBD_PATH = std::make_unique<ui::DataSource>();
    DBD_MEMOPATH = std::make_unique<ui::DataSource>();
    m_form.DBG_APPLI().setDataSource(DBD_PATH.get());
    m_form.DBC_PathServeur().setRowSource(DBD_MEMOPATH.get(), QStringLiteral("TMP_PATHBASES"));
    DBD_PATH->bind(m_form.CTX_PROD(), QStringLiteral("TPATH_PROD"));
    DBD_PATH->bind(m_form.CTX_NOMMDB(), databaseNameField);
    DBD_PATH->bind(m_form.FPATH_PATH(), pathField);
    DBD_PATH->bind(m_form.CTX_Status(), statusField);
    DBD_PATH->bind(m_form.CTX_RESEAU(), networkField);
    QObject::connect(DBD_PATH.get(), &ui::DataSource::repositioned, DBD_PATH.get(),
                     [this](int row) { DBD_PATH_Reposition(row); });
    QObject::connect(DBD_PATH.get(), &ui::DataSource::writeFailed, DBD_PATH.get(),
                     [](const QString &description) { ui::dialogs().message(description); });
    DBD_PATH->setLeaveCheck([this] { return !refusesTypedValue(); });
}

void FPARSYS::Form_Activate()
{
    reported([this] {
        // Without its recordset (the load reported why) the window has nothing to show either.
        if (!RS_PATH || RS_PATH->recordCount() == 0) {
            CmdClose_Click();
            return;
        }
        opened(m_context.state.DB_Path).freeLocksWhenIdle();
        ui::DataCombo &history = m_form.DBC_PathServeur();
        if (history.text().isEmpty())
            history.setText(m_form.CTX_PathServeur().text());
    });
}

void FPARSYS::Form_Unload()
{
    // Changes not saved with "&Enreg." are given up with the data sources.
    m_form.DBG_APPLI().setDataSource(nullptr);
    m_form.DBC_PathServeur().setRowSource(nullptr, {});
    DBD_PATH.reset();
    DBD_MEMOPATH.reset();
    m_pathDatabase.reset();
    m_memoDatabase.reset();
    RS_PATH.reset();
    DB_MemoPath.reset();
}

void FPARSYS::Form_KeyDown(int keyCode)
{
    if (keyCode == f10Key)
        CmdUpdate_Click();
}

void FPARSYS::DBD_PATH_Reposition(int row)
{
    if (row < 0)
        return;
    const QVariant path = currentField(pathField);
    const QVariant databaseName = currentField(databaseNameField);
    ignoringFailure([&] { m_form.Dir_APPLI().setPath(textOf(path)); });
    ignoringFailure([&] {
        m_form.LSF_APPLI().setFileName(textOf(databaseName));
        m_form.LSF_APPLI().setPattern(textOf(databaseName));
    });
    ignoringFailure([&] {
        if (!path.toString().isEmpty())
            m_form.DEV_APPLI().setDrive(path.toString().left(2));
    });
    // The environment rule holds for every row shown, whether its text changed or not.
    reported([this] { CTX_Status_Change(); });
}

void FPARSYS::DEV_APPLI_Change()
{
    try {
        // The host's one drive: its current folder is the current directory.
        const QString current = platform::currentDirectory();
        const QString drive = m_form.DEV_APPLI().drive();
        m_form.Dir_APPLI().setPath(ui::driveNamed(current, platform::PathSyntax::host()) == drive ? current
                                                                                                  : drive);
    } catch (const platform::Failure &failure) {
        ui::dialogs().message(failure.description());
    }
}

void FPARSYS::Dir_APPLI_Change()
{
    m_form.LSF_APPLI().setPath(m_form.Dir_APPLI().path());
}

void FPARSYS::LSF_APPLI_Click()
{
    const QString wanted = currentField(databaseNameField).toString();
    if (platform::upperCase(m_form.LSF_APPLI().fileName()) == platform::upperCase(wanted))
        setFolderOfRow(m_form.Dir_APPLI().path() + QLatin1Char('/'));
    else
        ui::dialogs().message(QStringLiteral("Vous n'avez pas sélectionné une base ") + wanted +
                              QStringLiteral("!"));
}

void FPARSYS::Cmd_efface_Click()
{
    setFolderOfRow(QString());
}

void FPARSYS::CTX_Status_Change()
{
    ui::TextBox &network = m_form.CTX_RESEAU();
    if (m_form.CTX_Status().text() == QLatin1String("R")) {
        network.setEnabled(true);
        return;
    }
    network.setText(QStringLiteral(" "));
    network.setEnabled(false);
}

void FPARSYS::CTX_Status_KeyDown(int keyCode)
{
    if (keyCode == enterKey)
        m_context.keys.send(QStringLiteral("{TAB}"));
}

void FPARSYS::CTX_Status_LostFocus()
{
    checkLeftBox(m_form.CTX_Status(), isEnvironment, environmentMessageLines());
}

void FPARSYS::CTX_RESEAU_LostFocus()
{
    checkLeftBox(m_form.CTX_RESEAU(), isNetworkType, networkMessageLines());
}

void FPARSYS::checkLeftBox(ui::TextBox &box, bool (*accepted)(const QString &), const QStringList &lines)
{
    if (!focusStaysInWindow() || accepted(box.text()))
        return;
    refuse(box, lines);
    m_refusalShown = {&box, box.text()};
}

void FPARSYS::refuse(ui::TextBox &box, const QStringList &lines)
{
    ui::dialogs().message(
        messageOfLines(lines, [this](const QString &line) { return m_context.traduction.TRAD(line); }));
    box.setFocus();
}

bool FPARSYS::refusesTypedValue()
{
    const RefusalShown shown = std::exchange(m_refusalShown, {});
    if (!DBD_PATH || DBD_PATH->currentRow() < 0)
        return false;
    ui::TextBox &status = m_form.CTX_Status();
    ui::TextBox &network = m_form.CTX_RESEAU();
    const struct {
        ui::TextBox &box;
        QString field;
        bool accepted;
        const QStringList &lines;
    } checks[] = {
        {status, statusField, isEnvironment(status.text()), environmentMessageLines()},
        // A disabled network box holds the blank of a row that is not networked.
        {network, networkField, !network.enabled() || isNetworkType(network.text()), networkMessageLines()},
    };
    for (const auto &check : checks) {
        if (check.accepted || !DBD_PATH->isChanged(DBD_PATH->currentRow(), DBD_PATH->fieldIndex(check.field)))
            continue;
        // Leaving the box for the grid or a button has just said why, and put the focus back.
        if (shown.box != &check.box || shown.text != check.box.text() || !check.box.hasFocus())
            refuse(check.box, check.lines);
        return true;
    }
    return false;
}

void FPARSYS::CmdUpdate_Click()
{
    if (refusesTypedValue())
        return;
    // Each step shows its own failure and the next one runs. A folder the user did not change is
    // not written again.
    reported([this] {
        if (DBD_PATH && DBD_PATH->isChanged(DBD_PATH->currentRow(), DBD_PATH->fieldIndex(pathField)))
            setFolderOfRow(platform::upperCase(m_form.FPATH_PATH().text()));
    });
    reported([this] {
        if (!DBD_PATH)
            throw objectNotSet();
        DBD_PATH->writeCurrentRow();
    });
    reported([this] { m_form.DBG_APPLI().setFocus(); });
}

void FPARSYS::CmdClose_Click()
{
    RS_PATH.reset();
    m_form.unload();
}

void FPARSYS::CMD_MajPath_Click()
{
    ui::TextBox &serverBox = m_form.CTX_PathServeur();
    const QString typed = serverBox.text();
    const QString toApply = serverFolderToApply(typed, platform::PathSyntax::host());
    if (toApply != typed)
        serverBox.setText(toApply);
    const QString folder = serverBox.text();
    if (!serverFileFound(folder, QString())) {
        ui::dialogs().message(QStringLiteral("Chemin serveur inconnu !!!"));
        serverBox.setFocus();
        return;
    }

    if (!DBD_PATH || !m_pathDatabase)
        throw objectNotSet();
    ui::Grid &grid = m_form.DBG_APPLI();
    QList<ProductRow> rows;
    for (int row = 1; row <= grid.maxRows(); ++row)
        rows.append({grid.cellText(kNumberColumn, row), grid.cellText(kDatabaseNameColumn, row)});
    const int field = DBD_PATH->fieldIndex(pathField);
    const auto found = [&folder](const QString &name) { return serverFileFound(folder, name); };
    std::vector<ui::DataSource::FieldWrite> moves;
    for (int row : rowsMovedToServerFolder(rows, found))
        moves.push_back({row - 1, field, folder});

    // The products and the history move together or not at all, even across the two files.
    storage::Database &paths = *m_pathDatabase;
    paths.attach(opened(DB_MemoPath).path(), historySchema);
    try {
        DBD_PATH->writeTogether(moves, [&] { rememberServerFolder(paths, historySchema, folder); });
    } catch (...) {
        paths.detach(historySchema);
        throw;
    }
    paths.detach(historySchema);
}

void FPARSYS::DBC_PathServeur_Click()
{
    const QString chosen = m_form.DBC_PathServeur().text();
    if (!chosen.isEmpty())
        m_form.CTX_PathServeur().setText(chosen);
}

QVariant FPARSYS::currentField(const QString &field) const
{
    if (!DBD_PATH || DBD_PATH->currentRow() < 0)
        throw platform::Failure(QStringLiteral("Aucun enregistrement en cours"), 3021);
    return DBD_PATH->value(DBD_PATH->currentRow(), DBD_PATH->fieldIndex(field));
}

void FPARSYS::setFolderOfRow(const QString &folder)
{
    m_form.FPATH_PATH().setText(folder);
    // A cleared folder is an empty text: a null QString would be bound as Null.
    const QString stored = folder.isNull() ? QStringLiteral("") : folder;
    if (DBD_PATH && DBD_PATH->currentRow() >= 0)
        DBD_PATH->setValue(DBD_PATH->currentRow(), DBD_PATH->fieldIndex(pathField), stored);
}

bool FPARSYS::focusStaysInWindow() const
{
    const QWidget *focus = QApplication::focusWidget();
    return focus && focus->window() == m_form.window();
}

storage::TableCursor &FPARSYS::rsPath()
{
    if (!RS_PATH)
        throw objectNotSet();
    return *RS_PATH;
}

void FPARSYS::reported(const std::function<void()> &handler)
{
    try {
        handler();
    } catch (const platform::Failure &failure) {
        ui::dialogs().message(failure.description());
    }
}

} // namespace settings
