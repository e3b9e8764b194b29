#pragma once

#include <QString>
#include <array>
#include <functional>

namespace menu
{

// How the launch-failure message of a module goes through the translation.
enum class FailureWording {
    Translated,   // "Programme " and the row's text each through TRAD
    PathAsIs,     // the program path kept, only "Programme " and " introuvable" through TRAD
    Untranslated, // nothing through TRAD
};

// One business module the menu starts (its launcher Lance_Stoc, Lance_Com...): its button, its slot
// of the task table, its sub-folder (working folder under the data folder, program place under the
// program folder) and its failure text.
struct ModuleRow {
    QString button;
    int slot;
    QString folder;
    QString program; // relative to the program folder
    QString failureText;
    FailureWording wording;
};

using Translate = std::function<QString(const QString &)>;

const std::array<ModuleRow, 9> &moduleTable();

// "Programme " + program folder + the row's text, each piece translated as the row says.
QString launchFailureMessage(const ModuleRow &row, const QString &programFolder, const Translate &trad);

} // namespace menu
