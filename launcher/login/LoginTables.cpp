#include "launcher/login/LoginTables.h"

#include "storage/SeekIgnoringCase.h"
#include "storage/TextCollation.h"

namespace login
{

namespace
{

constexpr qint16 moduleParTableau = 9;
constexpr qint16 moduleSuffixe = 6;
constexpr int moduleDeLaBasePartagee = 3;

} // namespace

int numeroModule(qint16 numModule, const std::vector<qint16> &tabModule)
{
    if (numModule != moduleParTableau)
        return numModule;
    return tabModule.empty() ? 0 : tabModule.front();
}

QString suffixeTable(qint16 numModule)
{
    return numModule == moduleSuffixe ? QStringLiteral("2") : QString();
}

std::optional<storage::Database> baseModule(const services::SharedState &etat, int numero)
{
    if (numero == moduleSuffixe)
        numero = moduleDeLaBasePartagee;
    if (numero < 1 || numero > static_cast<int>(etat.DB_Module.size()))
        return std::nullopt;
    return etat.DB_Module[static_cast<std::size_t>(numero - 1)].base;
}

// The profile is always a bound value: a quote in it is a character like any other. The profile
// compares ignoring case, accented letters included, by a collation of our own named in the
// queries; the profile tables are small, so the queries read them whole.
bool existeProfil(storage::Database &base, const QString &profil)
{
    return base.openQuery(QStringLiteral("SELECT * FROM TZPR WHERE TZPR_PROFIL = ? COLLATE %1")
                              .arg(storage::CaseFoldCollation),
                          {profil})
               .recordCount() > 0;
}

bool profilEtCodeConnus(storage::Database &base, const QString &suffixe, const QString &profil, qint32 code)
{
    storage::TableCursor profils =
        base.openTable(QStringLiteral("TZPR") + suffixe, storage::Access::ReadOnly);
    profils.setIndex(QStringLiteral("PrimaryKey"));
    // The index's second field is the code.
    const QString champCode = profils.indexFields().value(1);
    const bool trouve = storage::seekIgnoringCase(profils, profil, [&](const storage::TableCursor &ligne) {
        const QVariant valeur = ligne.value(champCode);
        return !valeur.isNull() && valeur.toLongLong() == code;
    });
    base.freeLocksWhenIdle();
    return trouve;
}

std::vector<DroitMenu> droitsRestreints(storage::Database &base, const QString &suffixe,
                                        const QString &profil)
{
    storage::QueryCursor lignes = base.openQuery(
        QStringLiteral("SELECT * FROM TZMN%1 WHERE TZMN_PROFIL = ? COLLATE %2 AND TZMN_ACCES < 2")
            .arg(suffixe, storage::CaseFoldCollation),
        {profil});
    std::vector<DroitMenu> droits;
    for (; !lignes.atEnd(); lignes.moveNext())
        droits.push_back({lignes.value(QStringLiteral("TZMN_NOM")).toString(),
                          lignes.value(QStringLiteral("TZMN_ACCES")).toDouble()});
    return droits;
}

} // namespace login
