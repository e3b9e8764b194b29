#pragma once

#include <QString>
#include <variant>

namespace services
{

// A menu colour as the launcher holds it: nothing yet, a colour number (32-bit signed, red in the
// lowest byte, system colours negative), or the text found in menuconfig.ini, kept unconverted
// until someone applies it.
using Couleur = std::variant<std::monostate, qint32, QString>;

// The colour as written to a file: a number in decimal, a text unchanged, nothing as "".
QString couleurTexte(const Couleur &couleur);

} // namespace services
