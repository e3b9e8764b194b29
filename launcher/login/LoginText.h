#pragma once

#include <QString>

namespace login
{

// Upper case character by character, so a text never changes length ("ß" stays as it is).
QString majuscules(const QString &texte);

// True for the empty text and a text of blanks only (tabs and line breaks are not blanks).
bool videOuBlancs(const QString &texte);

// The attempt line: a blank, the attempt number and "ème essai".
QString texteEssai(int numero);

} // namespace login
