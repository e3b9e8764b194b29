#pragma once

#include "storage/Database.h"
#include "translation-editor/ListQueries.h"
#include "ui/DataSource.h"
#include "ui/Form.h"

#include <optional>

namespace ui
{
class Grid;
} // namespace ui

namespace peluvar
{

// FTRAD, the editor's one window: the translation table in a grid bound to the data source
// DBD_TEXTE, the French text beside the chosen language's column, the comment of the current row
// below, and the bar with the four list buttons and "&Quitter". Its load finds the database and
// asks the language; an edit is written when its row is left, and at the latest at the quit. An
// edit that cannot be written (another workstation changed the row) keeps its row current.
class TranslationForm : public ui::Form
{
public:
    TranslationForm();
    ~TranslationForm() override;

    ui::Grid &grid() const { return *m_grid; }
    ui::DataSource &texts() { return m_texts; }
    // The chosen language, 1 or 2; 0 before the language question.
    int language() const { return m_language; }

private:
    void design();
    void startUp();
    void activate();
    void listButtonClicked(int index);
    void search();
    void showList(const ListQuery &query);
    // Hands the text being typed to the data source and writes every pending edit; gives why
    // when one could not be written (it is kept).
    std::optional<QString> writeEdits();
    // Whether the program may end: the pending edits are written, or the user gives them up.
    bool mayQuit();
    void quit();
    void unsavedEdit(const QString &description);

    std::optional<storage::Database> m_folderDatabase; // DBPATH.MDB, open until the program ends
    // The database outlives the data source that reads it.
    std::optional<storage::Database> m_database;
    ui::DataSource m_texts; // DBD_TEXTE
    ui::Grid *m_grid = nullptr;
    int m_language = 0;
};

} // namespace peluvar
