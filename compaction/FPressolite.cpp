#include "compaction/FPressolite.h"

#include "compaction/DatabaseFolderFromTable.h"
#include "compaction/cycle/CompactionPaths.h"
#include "compaction/cycle/CompactionRun.h"
#include "compaction/cycle/CompactionTexts.h"
#include "compaction/cycle/CompactionWindow.h"
#include "compaction/cycle/DiskCompactionSteps.h"
#include "compaction/cycle/FindDatabases.h"
#include "compaction/cycle/StatusBoxCaller.h"
#include "platform/Failure.h"
#include "ui/Dialogs.h"

namespace compaction
{

namespace
{

const QString kWarning =
    QStringLiteral("Cette opération ne peut être effectuée pendant l'utilisation des modules "
                   "de TORBPROD.") +
    kLineEnd +
    QStringLiteral("Il convient de faire quitter tous les utilisateurs de TORBPROD pour ce "
                   "traitement ...");
const QString kQuestion = QStringLiteral("Effectuer l'opération de compactage ?");
const QString kFoundHeading = QStringLiteral("Bases trouvées: ");

// The window's hooks: progress in the label, a box for a failure and for the outcome.
class WindowCaller : public StatusBoxCaller
{
public:
    WindowCaller(ui::TextBox &statusBox, ui::Label &message) : StatusBoxCaller(statusBox), m_message(message)
    {
    }

    void beforeDatabase(const QString &source) override
    {
        m_message.setText(QStringLiteral("Traitement: ") + kLineEnd + source +
                          QStringLiteral(" en cours..."));
    }
    void compactionFailed(const QString &source, const QString &description) override
    {
        ui::dialogs().message(QStringLiteral("Base <") + source + QStringLiteral("> : ") + kLineEnd +
                              description);
    }
    void finished(const QString &outcome) override
    {
        m_message.setText(outcome);
        ui::dialogs().message(outcome);
    }

private:
    ui::Label &m_message;
};

QString foundList(const QStringList &names)
{
    QString list = kFoundHeading + kLineEnd;
    for (const QString &name : names)
        list += name + kLineEnd;
    return list;
}

} // namespace

FPressolite::FPressolite(const QString &programFolder)
    : ui::Form(QStringLiteral("FPressolite")), m_programFolder(programFolder)
{
    designCompactionWindow(*this, 3795);
    addControls();
    onActivate = [this] { activate(); };
    runButton().onClick = [this] { execute(); };
}

void FPressolite::addControls()
{
    addFolderLabel(*this);
    addFolderBox(*this, {60, 300, 6495, 315});
    addStatusBox(*this, {120, 780, 6435, 1515}, 5);
    auto &message = add<ui::Label>({QStringLiteral("CTL_Message"), {120, 2520, 6435, 555}, {}, 4});
    message.setFontBold(true);
    message.setForeColour(ui::rgb(0, 0, 128));
    add<ui::CommandButton>({QStringLiteral("CMD_Executer"),
                            {120, 3180, 3435, 495},
                            QStringLiteral("Réparer/Compacter les bases de données"),
                            2});
    auto &all = add<ui::CheckBox>({QStringLiteral("CHK_TousMDB"),
                                   {3660, 3240, 1875, 435},
                                   QStringLiteral("Toutes les bases Access trouvées"),
                                   6});
    all.setBackColour(kCompactionBackColour);
    addQuitButton(*this, {5640, 3300, 915, 375}, 3);
}

void FPressolite::activate()
{
    try {
        if (const std::optional<QString> folder = databaseFolderFromTable(m_programFolder))
            folderBox().setText(*folder);
    } catch (const platform::Failure &failure) {
        // Without a readable folder table the folder box keeps its text and the user can type one.
        ui::dialogs().message(failure.description());
    }
}

void FPressolite::execute()
{
    // The run yields between databases: a second click then would start a run inside the run.
    if (m_running)
        return;
    m_running = true;
    try {
        run();
    } catch (const platform::Failure &failure) {
        // A folder that cannot be listed, or one with more files than the counters hold.
        ui::dialogs().message(failure.description());
    }
    m_running = false;
}

void FPressolite::run()
{
    folderBox().setFocus();
    statusBox().setText(QString());
    messageLabel().setText(QString());
    folderBox().setText(normaliseFolder(folderBox().text(), platform::PathSyntax::host()));
    const Selection selection =
        allDatabasesBox().value() == 1 ? Selection::AllDatabases : Selection::ModuleDatabases;
    const FoundDatabases found = findDatabases(folderBox().text(), selection);
    if (found.matchingFiles == 0) {
        messageLabel().setText(kNoDatabaseFound);
        return;
    }
    ui::dialogs().message(kWarning);
    statusBox().setText(foundList(found.names));
    if (!found.sources.isEmpty() &&
        ui::dialogs().message(kQuestion, ui::MessageButtons::OkCancel) == ui::Answer::Cancel)
        return;
    statusBox().setText(QString());
    WindowCaller caller(statusBox(), messageLabel());
    DiskCompactionSteps steps;
    runCompaction(found.sources, caller, steps);
}

} // namespace compaction
