#pragma once

#include <QString>
#include <array>

namespace modarin
{

// One family of templates: the file-name prefix, the module that owns it (upper case) and a label.
struct TemplateFamily {
    QString Code;
    QString Appli;
    QString Libelle;
};

// The family table TabModeles: the rows in use come first; the first row with an empty Code ends the table.
using FamilyTable = std::array<TemplateFamily, 21>;

// Fills the rows in use with the suite's families; the other rows stay empty.
void Init_Tab_Modeles(FamilyTable &table);

// Whether the file name (upper case) belongs to the module (upper case, "TORBCOM"...): its
// beginning is the code of a family of that module, or, for "TORBPRIX", its base name has three
// characters.
bool belongsToModule(const FamilyTable &table, const QString &name, const QString &module);

// What the template is for, read from the beginning of its file name.
QString templateDescription(const QString &name);

} // namespace modarin
