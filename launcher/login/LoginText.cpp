#include "launcher/login/LoginText.h"

#include <algorithm>

namespace login
{

bool videOuBlancs(const QString &texte)
{
    return std::all_of(texte.begin(), texte.end(), [](QChar caractere) { return caractere == u' '; });
}

QString texteEssai(int numero)
{
    return u' ' + QString::number(numero) + QStringLiteral("ème essai");
}

} // namespace login
