#include "launcher/services/Couleur.h"

namespace services
{

QString couleurTexte(const Couleur &couleur)
{
    if (const auto *number = std::get_if<qint32>(&couleur))
        return QString::number(*number);
    if (const auto *text = std::get_if<QString>(&couleur))
        return *text;
    return QString();
}

} // namespace services
