#pragma once

#include "launcher/services/SharedState.h"
#include "storage/Database.h"

#include <QString>
#include <optional>
#include <vector>

namespace login
{

// The module number whose database the dialog uses: Num_Module, or element 0 of Tab_Module when
// Num_Module is 9 (0 when the host left Tab_Module empty).
int numeroModule(qint16 numModule, const std::vector<qint16> &tabModule);

// "2" for module 6, which shares the database of module 3; empty otherwise. It follows
// Num_Module itself, never the number taken from Tab_Module.
QString suffixeTable(qint16 numModule);

// The open database of module 1 to 5, that of module 3 for module 6; none for any other number
// or an entry the host left without database.
std::optional<storage::Database> baseModule(const services::SharedState &etat, int numero);

// Whether a profile of that name exists in TZPR, ignoring case; always TZPR, whatever the suffix.
bool existeProfil(storage::Database &base, const QString &profil);

// Whether "TZPR" + suffix holds the pair (profile, code) on its index "PrimaryKey"; the profile
// compares ignoring case.
bool profilEtCodeConnus(storage::Database &base, const QString &suffixe, const QString &profil, qint32 code);

// A right that takes something away: the menu entry named nom is hidden (acces 0) or read-only
// (any other value below 2).
struct DroitMenu {
    QString nom;
    double acces = 0;
};

// The profile's rows of "TZMN" + suffix below full access (TZMN_ACCES < 2), in the database's order.
std::vector<DroitMenu> droitsRestreints(storage::Database &base, const QString &suffixe,
                                        const QString &profil);

} // namespace login
