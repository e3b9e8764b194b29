#pragma once

#include <QString>
#include <QtGlobal>

namespace login
{

// The password code stored in the profile table: the four letters as base-27 digits (third letter
// heaviest, then the first, second and fourth) plus 377. -1 when the text is not exactly four
// capitals "A" to "Z".
qint32 Code_MDP(const QString &motDePasse);

} // namespace login
