#pragma once

#include "platform/Office.h"
#include "storage/Database.h"
#include "template-manager/TemplateFamilies.h"
#include "ui/ComboBox.h"
#include "ui/CommandButton.h"
#include "ui/Form.h"
#include "ui/Label.h"
#include "ui/ListBox.h"
#include "ui/TextBox.h"

#include <memory>
#include <optional>

namespace modarin
{

// The template manager's only window: the template folder, the module filter, the list of
// templates, the chosen template with its description, the opening in the word processor and
// "Quitter". Its load opens SIGNETS.MDB of the program's folder.
class FModarin : public ui::Form
{
public:
    FModarin(const QString &programFolder, platform::Office &office);

    // CheminDot, the folder the list searches, and the folder label's caption, which the opening
    // puts before the file name.
    void setCheminDot(const QString &folder);
    const QString &cheminDot() const { return CheminDot; }

    // Fills the list: every template with index 0, else the templates of the module chosen in the
    // combo.
    void Remplir_ListeDot(qint16 index);

    // Whether the load opened SIGNETS.MDB and both of its recordsets.
    bool hasSignets() const { return RS_SignetsAppli.has_value(); }

    ui::Label &pathLabel() const { return get<ui::Label>(QStringLiteral("CTL_PathDot")); }
    ui::ComboBox &moduleChoice() const { return get<ui::ComboBox>(QStringLiteral("DBC_Appli")); }
    ui::ListBox &templateList() const { return get<ui::ListBox>(QStringLiteral("DBL_ListeDot")); }
    ui::TextBox &nameBox() const { return get<ui::TextBox>(QStringLiteral("CTX_Nomdot")); }
    ui::Label &infoLabel() const { return get<ui::Label>(QStringLiteral("CTL_InfosDot")); }
    ui::CommandButton &openButton() const { return get<ui::CommandButton>(QStringLiteral("CMD_OuvreDot")); }
    ui::CommandButton &quitButton() const { return get<ui::CommandButton>(QStringLiteral("CMD_Quitter")); }

private:
    void design();
    void addLabels();
    void Form_Load();
    void Form_Activate();
    void DBL_ListeDot_Click();
    void Afficher_InfosDot(QString name);
    void CMD_OuvreDot_Click();
    void CMD_Quitter_Click();

    QString m_programFolder;
    platform::Office &m_office;
    QString CheminDot;
    FamilyTable TabModeles;
    std::unique_ptr<platform::OfficeApplication> AppWord;
    std::optional<storage::Database> DB_Signets;
    std::optional<storage::QueryCursor> RS_Signets;
    std::optional<storage::QueryCursor> RS_SignetsAppli;
};

} // namespace modarin
