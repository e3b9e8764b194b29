#include "tools/sample-installation/SampleRows.h"

#include "tools/modules/BusinessModules.h"
#include "tools/sample-installation/SampleInstallation.h"

namespace tools
{

namespace
{

// A caption in which a run of blanks pushes the following words onto the button's second line.
QString twoLines(const QString &first, int blanks, const QString &second)
{
    return first + QString(blanks, QLatin1Char(' ')) + second;
}

const QString buttonComment = QStringLiteral("Bouton du menu principal");
const QString menuComment = QStringLiteral("Menu Outils");
const QString messageComment = QStringLiteral("Message");

QList<TranslationRow> launchFailureTranslations()
{
    // Purchasing keeps its message in French and the hand scanner translates only its two words;
    // the composer's text is left without a Polish translation.
    QList<TranslationRow> rows;
    for (const BusinessModule &module : businessModules()) {
        if (module.folder == QLatin1String("torbapro") || module.folder == QLatin1String("sarvelt"))
            continue;
        const QString path = module.folder == QLatin1String("Lupardo")
                                 ? QStringLiteral("Lupardo/Lupardo.exe")
                                 : module.folder + QLatin1Char('/') + module.program + QStringLiteral(".exe");
        const QVariant polish = module.folder == QLatin1String("Lupardo")
                                    ? QVariant()
                                    : QVariant(path + QStringLiteral(" nie znaleziono"));
        rows.append({path + QStringLiteral(" introuvable"), path + QStringLiteral(" not found"), polish,
                     messageComment});
    }
    return rows;
}

} // namespace

QList<storage::FolderRow> sampleFolderRows(const InstallationFolders &folders)
{
    const QString databases = folders.databases + QLatin1Char('/');
    const QString templates = folders.templates + QLatin1Char('/');
    const QString single = QStringLiteral("M");
    const QString none = QStringLiteral(" ");
    return {
        {1, QStringLiteral("TORBSTOC"), databases, QStringLiteral("zlv0.exe"), QStringLiteral("TORBSTOC.MDB"),
         single, none},
        {2, QStringLiteral("MODELES"), templates, QStringLiteral("modarin.exe"), std::nullopt, single, none},
        {3, QStringLiteral("TORBCOM"), databases, QStringLiteral("torbcom.exe"),
         QStringLiteral("TORBCOM.MDB"), single, none},
        {4, QStringLiteral("TORBAPRO"), databases, QStringLiteral("torbapro.exe"),
         QStringLiteral("TORBAPRO.MDB"), single, none},
        {5, QStringLiteral("TORBPRIX"), databases, QStringLiteral("torbprix.exe"),
         QStringLiteral("TORBPRIX.MDB"), single, none},
        {6, QStringLiteral("TORBPLAN"), databases, QStringLiteral("torbplan.exe"),
         QStringLiteral("TORBPLAN.MDB"), single, none},
        {7, QStringLiteral("TORBTECH"), databases, std::nullopt, QStringLiteral("TORBTECH.MDB"), single,
         none},
        {8, QStringLiteral("TORBTRAD"), databases, QStringLiteral("peluvar.exe"),
         QStringLiteral("BDTRAD.MDB"), single, none},
    };
}

QList<TranslationRow> sampleTranslations()
{
    QList<TranslationRow> rows = {
        // Main menu buttons and tool tips.
        {QStringLiteral("Devis"), QStringLiteral("Quotes"), QStringLiteral("Oferty"), buttonComment},
        {twoLines(QStringLiteral("Gest. comm."), 16, QStringLiteral("Fab. sur mesure")),
         twoLines(QStringLiteral("Sales"), 16, QStringLiteral("Made to measure")),
         twoLines(QStringLiteral("Handel"), 16, QStringLiteral("Na zamówienie")), buttonComment},
        {QStringLiteral("Achats"), QStringLiteral("Purchasing"), QStringLiteral("Zakupy"), buttonComment},
        {QStringLiteral("Suivi des temps"), QStringLiteral("Time tracking"), QStringLiteral("Czas pracy"),
         buttonComment},
        {twoLines(QStringLiteral("Gestion des"), 22, QStringLiteral("stocks")),
         twoLines(QStringLiteral("Stock"), 22, QStringLiteral("management")),
         twoLines(QStringLiteral("Gospodarka"), 22, QStringLiteral("magazynowa")), buttonComment},
        {twoLines(QStringLiteral("Fabrications"), 10, QStringLiteral("standards")),
         twoLines(QStringLiteral("Standard"), 10, QStringLiteral("manufacturing")),
         twoLines(QStringLiteral("Produkcja"), 10, QStringLiteral("seryjna")), buttonComment},
        {twoLines(QStringLiteral("Suivi"), 17, QStringLiteral("véhicules")),
         twoLines(QStringLiteral("Vehicle"), 17, QStringLiteral("follow-up")),
         twoLines(QStringLiteral("Obsługa"), 17, QStringLiteral("pojazdów")), buttonComment},
        {twoLines(QStringLiteral("Déstockage"), 17, QStringLiteral("douchette")),
         twoLines(QStringLiteral("Scanner"), 17, QStringLiteral("withdrawal")),
         twoLines(QStringLiteral("Wydania"), 17, QStringLiteral("skanerem")), buttonComment},
        {twoLines(QStringLiteral("Lupardo de"), 12, QStringLiteral("nomenclatures")),
         twoLines(QStringLiteral("Lupardo"), 12, QStringLiteral("bills of materials")),
         twoLines(QStringLiteral("Lupardo"), 12, QStringLiteral("spisy materiałów")), buttonComment},
        {QStringLiteral("Outils"), QStringLiteral("Tools"), QStringLiteral("Narzędzia"), buttonComment},
        {QStringLiteral("Déstockage douchette"), QStringLiteral("Stock withdrawal with a hand scanner"),
         QStringLiteral("Wydania magazynowe skanerem"), buttonComment},
        {QStringLiteral("Lupardo de nomenclature"), QStringLiteral("Lupardo bill of materials"),
         QStringLiteral("Lupardo zestawienia materiałów"), buttonComment},
        // Left untranslated on purpose: a Null and an empty translation.
        {QStringLiteral("Version"), QVariant(), QStringLiteral(""), QStringLiteral("Libellé de version")},
        // Tools menu.
        {QStringLiteral("Utilitaires"), QStringLiteral("Utilities"), QStringLiteral("Narzędzia pomocnicze"),
         menuComment},
        {QStringLiteral("Chemins d'accès aux données"), QStringLiteral("Data paths"),
         QStringLiteral("Ścieżki dostępu do danych"), menuComment},
        {QStringLiteral("Actualisation des Modules (INITORB)"), QStringLiteral("Module update (INITORB)"),
         QStringLiteral("Aktualizacja modułów (INITORB)"), menuComment},
        {QStringLiteral("Saisie traductions"), QStringLiteral("Translations"), QStringLiteral("Tłumaczenia"),
         menuComment},
        {QStringLiteral("Gestion des modèles Word"), QStringLiteral("Word templates"),
         QStringLiteral("Szablony Word"), menuComment},
        {QStringLiteral("Contrôle des modèles Word"), QStringLiteral("Word template check"),
         QStringLiteral("Kontrola szablonów Word"), menuComment},
        {QStringLiteral("Construction des modèles Excel"), QStringLiteral("Excel template builder"),
         QStringLiteral("Kreator szablonów Excel"), menuComment},
        {QStringLiteral("Réparer/Compacter les bases de données"),
         QStringLiteral("Repair/compact the databases"), QStringLiteral("Naprawa i kompaktowanie baz danych"),
         menuComment},
        {QStringLiteral("Contrôle version VB6"), QStringLiteral("Version check"), QVariant(), menuComment},
        {QStringLiteral("Téléchargement mises à jour"), QStringLiteral("Download updates"),
         QStringLiteral("Pobieranie aktualizacji"), menuComment},
        {QStringLiteral("Téléchagements"), QStringLiteral("Downloads"), QStringLiteral("Pobieranie"),
         menuComment},
        {QStringLiteral("&Personalisation"), QStringLiteral("&Customise"), QStringLiteral("&Personalizacja"),
         menuComment},
        {QStringLiteral("Forcer la fermeture de TORBPROD"), QStringLiteral("Force TORBPROD to close"),
         QStringLiteral("Wymuś zamknięcie TORBPROD"), menuComment},
        // Messages.
        {QStringLiteral("Fermez d'abord tous les modules de TORBPROD"),
         QStringLiteral("Close all TORBPROD modules first"),
         QStringLiteral("Najpierw zamknij wszystkie moduły TORBPROD"), messageComment},
        {QStringLiteral("Confirmez la sortie de TORBPROD"), QStringLiteral("Confirm leaving TORBPROD"),
         QStringLiteral("Potwierdź wyjście z TORBPROD"), messageComment},
        {QStringLiteral("Programme"), QStringLiteral("Program"), QStringLiteral("Program"), messageComment},
        {QStringLiteral("introuvable"), QStringLiteral("not found"), QStringLiteral("nie znaleziono"),
         messageComment},
    };
    rows.append(launchFailureTranslations());
    return rows;
}

const QStringList &moduleDatabaseNames()
{
    static const QStringList names = {
        QStringLiteral("TORBSTOC.MDB"), QStringLiteral("TORBCOM.MDB"),  QStringLiteral("TORBAPRO.MDB"),
        QStringLiteral("TORBPRIX.MDB"), QStringLiteral("TORBPLAN.MDB"), QStringLiteral("TORBTECH.MDB"),
    };
    return names;
}

QList<TableRows> moduleDatabaseRows(const QString &databaseName)
{
    // Password codes of "ABCD" (60213) and "ZZZZ" (531817) by the suite's password rule.
    const QList<QVariantList> profiles = {{QStringLiteral("ADMIN"), 60213},
                                          {QStringLiteral("ATELIER"), 531817}};
    const QList<QVariantList> rights = {
        {QStringLiteral("ATELIER"), QStringLiteral("M_PARAMETRES"), 0},
        {QStringLiteral("ATELIER"), QStringLiteral("M_TARIFS"), 1},
        {QStringLiteral("ADMIN"), QStringLiteral("M_PARAMETRES"), 2},
    };
    const QStringList profileFields = {QStringLiteral("TZPR_PROFIL"), QStringLiteral("TZPR_CODE")};
    const QStringList rightFields = {QStringLiteral("TZMN_PROFIL"), QStringLiteral("TZMN_NOM"),
                                     QStringLiteral("TZMN_ACCES")};
    const QString module = databaseName.section(QLatin1Char('.'), 0, 0);
    QList<TableRows> tables = {
        {QStringLiteral("TZPR"), profileFields, profiles},
        {QStringLiteral("TZMN"), rightFields, rights},
        {QStringLiteral("TPARAM"),
         {QStringLiteral("PARAM_CODE"), QStringLiteral("PARAM_VALEUR")},
         {{QStringLiteral("MODULE"), module},
          {QStringLiteral("SOCIETE"), QStringLiteral("SOC1")},
          {QStringLiteral("VERSION"), QStringLiteral("9.5")}}},
    };
    if (databaseName == QLatin1String("TORBPLAN.MDB")) {
        tables.append({QStringLiteral("TZPR2"), profileFields, {profiles.first()}});
        tables.append({QStringLiteral("TZMN2"), rightFields, {rights.first()}});
    }
    return tables;
}

TableRows signetRows()
{
    return {QStringLiteral("T_SIGNETS"),
            {QStringLiteral("SIGNETS_APPLI"), QStringLiteral("SIGNETS_Nomdot")},
            {
                {QStringLiteral("TORBCOM"), QStringLiteral("FACMAG01.DOT")},
                {QStringLiteral("TORBCOM"), QStringLiteral("FACGEN2.DOT")},
                {QStringLiteral("TORBCOM"), QStringLiteral("BLIVRAIS.DOT")},
                {QStringLiteral("TORBAPRO"), QStringLiteral("CMDFOU01.DOT")},
                {QStringLiteral("TORBVEH"), QStringLiteral("RELVEH9.DOT")},
                {QStringLiteral("TORBPRIX"), QStringLiteral("FACPROF3.DOT")},
            }};
}

const QStringList &templateNames()
{
    static const QStringList names = {
        QStringLiteral("FACMAG01.DOT"), QStringLiteral("facgen2.dot"),  QStringLiteral("AVOIRS.DOT"),
        QStringLiteral("ACRSDT1.DOT"),  QStringLiteral("BLIVRAIS.DOT"), QStringLiteral("CMDFOU01.DOT"),
        QStringLiteral("Relance1.dot"), QStringLiteral("RELVEH9.DOT"),  QStringLiteral("FACPROF3.DOT"),
        QStringLiteral("D12.DOT"),      QStringLiteral("VIDE.DOT"),
    };
    return names;
}

} // namespace tools
