#pragma once

#include "launcher/services/Couleur.h"
#include "storage/Database.h"
#include "storage/TableCursor.h"

#include <QString>
#include <array>
#include <optional>
#include <vector>

namespace services
{

// The launcher's shared variables: one object, created at start, that its services and windows
// share by reference. Every member starts at the zero of its type; an empty optional is a
// database or recordset without handle.
struct SharedState {
    // Launcher module: folders, folder table, menu colours, task table, update address.
    std::optional<storage::Database> DB_Path;
    QString Rep_Donnees;
    QString Rep_Appli;
    Couleur Coul_FondMenu_Def;
    Couleur Coul_FondBtn_Def;
    Couleur Coul_TexteBtn_Def;
    Couleur Coul_FondMenu;
    Couleur Coul_FondBtn;
    Couleur Coul_TexteBtn;
    // Task id (process id) of the module started into each slot, 0 when none; slots 1 to 20 are
    // used. Whole process ids: those of Linux do not fit in 16 bits.
    std::array<qint64, 21> Tab_Taches{};
    QString URL_Web;

    // Declarations module: login inputs and outputs, language and translation state.
    struct BaseModule {
        std::optional<storage::Database> base;
        QString texte1;
        QString texte2;
    };
    qint16 Num_Module = 0;
    std::vector<qint16> Tab_Module;      // bounds set by the host; empty until it does
    std::array<BaseModule, 5> DB_Module; // module number n at index n - 1
    QString Profil_Courant;
    std::optional<storage::Database> DB_LOC;
    qint16 Num_Langue = 0;
    qint16 Charset_Langue = 0;
    QString Police_Langue;
    std::optional<storage::TableCursor> RS_TRAD; // on TMP_TRAD, current index NTX_ABREGE
    QString Chemin_BaseTrad;
    QString Nom_BaseTrad;

    // Login and unattended compaction modules.
    bool MDP_OK = false;
    QString CheminMDB;
};

} // namespace services
