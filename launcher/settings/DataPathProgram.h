#pragma once

#include <QString>

namespace settings
{

// Existe_Appli: whether the product's program lies in the product's sub-folder of the folder,
// that is folder/product/program, resolved ignoring case (a missing ".exe" ending allowed).
// Throws platform::Failure when the look-up itself fails (a folder that cannot be read).
bool Existe_Appli(const QString &folder, const QString &product, const QString &program);

} // namespace settings
