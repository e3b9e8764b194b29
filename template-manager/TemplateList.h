#pragma once

#include "template-manager/TemplateFamilies.h"

#include <QStringList>
#include <optional>

namespace modarin
{

// The templates that the list shows: the ".dot" files matching CheminDot followed by "*.dot"
// (CheminDot ends with its separator; none is added), upper-cased, in the order of the folder
// listing; with a module, only the files that belong to it. A template folder that does not exist
// gives none, and so does an empty CheminDot (no template folder is known). Throws
// platform::Failure when the folder cannot be read.
QStringList listedTemplates(const QString &CheminDot, const FamilyTable &table,
                            const std::optional<QString> &module);

} // namespace modarin
