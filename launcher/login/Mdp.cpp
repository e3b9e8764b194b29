#include "launcher/login/Mdp.h"

#include <array>

namespace login
{

qint32 Code_MDP(const QString &motDePasse)
{
    if (motDePasse.size() != 4)
        return -1;
    std::array<qint32, 4> valeurs{};
    for (int i = 0; i < 4; ++i) {
        // A = 1 ... Z = 26; every other character, accented capitals included, is refused.
        const char16_t lettre = motDePasse.at(i).unicode();
        if (lettre < u'A' || lettre > u'Z')
            return -1;
        valeurs[static_cast<std::size_t>(i)] = lettre - 64;
    }
    const auto [c1, c2, c3, c4] = valeurs;
    return 19683 * c3 + 729 * c1 + 27 * c2 + c4 + 377;
}

} // namespace login
