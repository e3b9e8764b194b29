#pragma once

#include <QString>

namespace login
{

// True for the empty text and a text of blanks only (tabs and line breaks are not blanks).
bool videOuBlancs(const QString &texte);

// The attempt line: a blank, the attempt number and "ème essai".
QString texteEssai(int numero);

} // namespace login
