#pragma once

#include "ui/CheckBox.h"
#include "ui/CommandButton.h"
#include "ui/Form.h"
#include "ui/Label.h"
#include "ui/TextBox.h"

namespace compaction
{

// The compaction program's only window: the database folder, the status log, the progress and
// outcome line, the run button, the choice of every database, and "Quitter".
class FPressolite : public ui::Form
{
public:
    // programFolder: where the program looks for DBPATH.MDB before opening the current directory's.
    explicit FPressolite(const QString &programFolder);

    ui::TextBox &folderBox() const { return get<ui::TextBox>(QStringLiteral("CTX_DBPATH")); }
    ui::TextBox &statusBox() const { return get<ui::TextBox>(QStringLiteral("CTX_Status")); }
    ui::Label &messageLabel() const { return get<ui::Label>(QStringLiteral("CTL_Message")); }
    ui::CommandButton &runButton() const { return get<ui::CommandButton>(QStringLiteral("CMD_Executer")); }
    ui::CheckBox &allDatabasesBox() const { return get<ui::CheckBox>(QStringLiteral("CHK_TousMDB")); }
    ui::CommandButton &quitButton() const { return get<ui::CommandButton>(QStringLiteral("CMD_Quitter")); }

private:
    void addControls();
    void activate();
    void execute();
    void run();

    QString m_programFolder;
    bool m_running = false;
};

} // namespace compaction
