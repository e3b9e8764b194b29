#include "launcher/login/LoginText.h"

#include <algorithm>

namespace login
{

QString majuscules(const QString &texte)
{
    QString resultat = texte;
    for (QChar &caractere : resultat)
        caractere = caractere.toUpper();
    return resultat;
}

bool videOuBlancs(const QString &texte)
{
    return std::all_of(texte.begin(), texte.end(), [](QChar caractere) { return caractere == u' '; });
}

QString texteEssai(int numero)
{
    return u' ' + QString::number(numero) + QStringLiteral("ème essai");
}

} // namespace login
