#include "launcher/services/ExtraitChemin.h"

namespace services
{

QString Extrait_Chemin(const QString &path, const platform::PathSyntax &syntax)
{
    qsizetype n = path.size();
    while (n >= 1 && !syntax.isSeparator(path.at(n - 1)))
        --n;
    return path.left(n);
}

} // namespace services
