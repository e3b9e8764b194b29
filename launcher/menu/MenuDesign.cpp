#include "launcher/menu/MenuDesign.h"

namespace menu
{

namespace
{

QString blanks(int count)
{
    return QString(count, QLatin1Char(' '));
}

} // namespace

const WindowDesign &menuWindowDesign()
{
    static const WindowDesign design{QStringLiteral("MENUPROD"),
                                     blanks(9) + QStringLiteral("TORBPROD"),
                                     14187366,
                                     0x00FFFFFF,
                                     2355,
                                     9330,
                                     QStringLiteral("MS Sans Serif"),
                                     8.25};
    return design;
}

const std::vector<ButtonDesign> &menuButtons()
{
    static const std::vector<ButtonDesign> buttons{
        {"CMD_Prix", "Devis", "", 0, 60, 795, ButtonPicture::Quote},
        {"Cmd_Com", "Gest. comm." + blanks(16) + "Fab. sur mesure", "", 3, 900, 795,
         ButtonPicture::MadeToMeasure},
        {"Cmd_Apro", "Achats", "Achats", 1, 1740, 795, ButtonPicture::Purchasing},
        {"Cmd_Tmps", "Suivi des temps", "", 5, 2580, 795, ButtonPicture::TimeTracking},
        {"Cmd_Stoc", "Gestion des" + blanks(22) + "stocks", "", 4, 3420, 795, ButtonPicture::Stock},
        {"Cmd_Plan", "Fabrications" + blanks(10) + "standards", "", 2, 4260, 795,
         ButtonPicture::Manufacturing},
        {"CMD_Veh", "Suivi" + blanks(17) + "véhicules", "", 6, 5100, 795, ButtonPicture::Vehicles},
        {"Cmd_Sarvelt", "Déstockage" + blanks(17) + "douchette", "Déstockage douchette", 7, 5940, 795,
         ButtonPicture::Scanner},
        {"Cmd_Nomenc", "Lupardo de" + blanks(12) + "nomenclatures", "Lupardo de nomenclature", 8, 6780, 735,
         ButtonPicture::BillOfMaterials},
        {"Cmd_Outils", "Outils", "", 10, 7920, 735, ButtonPicture::Tools},
    };
    return buttons;
}

QString buttonFontName()
{
    return QStringLiteral("Arial");
}

double buttonFontSize()
{
    // Small enough for a picture and two lines of caption in the 735-twip buttons.
    return 8.25;
}

ui::ColourNumber buttonBackColour()
{
    // A pale blue grey that reads well on the blue window.
    return 0x00F3E9DF;
}

const LabelDesign &versionLabel()
{
    // Drawn 795 twips wide, the version text does not fit in the fonts at hand: the label spans the
    // column, still right-aligned.
    static const LabelDesign label{
        "CTL_Version", "Version",       180,  7620,  1995, 255, ui::Alignment::Right,
        0x00800000,    "MS Sans Serif", 8.25, false, 11};
    return label;
}

const LabelDesign &webLabel()
{
    static const LabelDesign label{
        "CTL_WEB",      "www.voskerand.fr", 60,   8820, 2175, 255, ui::Alignment::Centre,
        ui::WindowText, "MS Sans Serif",    9.75, true, 12};
    return label;
}

const StatusBarDesign &statusBarDesign()
{
    static const StatusBarDesign design{"StatusBar1", "Version v9.5.00", 255, 9};
    return design;
}

const std::vector<MenuEntryDesign> &menuEntries()
{
    static const std::vector<MenuEntryDesign> entries{
        {0, "M_outils", "Outils", false},
        {1, "M_UTIL", "Utilitaires", true},
        {2, "M_DBPATH", "Chemins d'accès aux données", true},
        {2, "M_INITORB", "Actualisation des Modules (INITORB)", false},
        {2, "Sep0", "-", true},
        {2, "M_TRAD", "Saisie traductions", true},
        {2, "M_MODARIN", "Gestion des modèles Word", true},
        {2, "M_DOT", "Contrôle des modèles Word", true},
        {2, "M_Excel", "Construction des modèles Excel", true},
        {2, "sep1", "-", true},
        {2, "M_COMPACT", "Réparer/Compacter les bases de données", true},
        {2, "M_VERSDLL", "Contrôle version VB6", true},
        {2, "sep3", "-", true},
        {2, "M_WEB", "Téléchargement mises à jour", true},
        {2, "M_DOWNLOAD", "Téléchagements", false},
        {2, "sep4", "-", true},
        {2, "M_PERSO", "&Personalisation", true},
        {2, "sp5", "-", true},
        {2, "M_KILLAPP", "Forcer la fermeture de TORBPROD", true},
    };
    return entries;
}

} // namespace menu
