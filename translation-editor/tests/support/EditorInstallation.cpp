#include "translation-editor/tests/support/EditorInstallation.h"

#include "platform/Files.h"

namespace editor_testing
{

namespace
{

struct Row {
    const char *french;
    const char *language1;
    const char *language2;
};

const Row Rows[] = {
    {"Quitter", "Quit", "Wyjście"},
    {"Devis", "Quotes", nullptr},
    {"l'aide", nullptr, "Pomoc"},
    {"Achats", "Purchasing", "Zakupy"},
    {"Fermer la fenêtre", "", "Zamknij okno"},
    {"Fermez d'abord tous les modules", "Close all modules first", nullptr},
};

QVariant text(const char *value)
{
    return value ? QVariant(QString::fromUtf8(value)) : QVariant();
}

} // namespace

tools::SampleOptions withoutPrograms()
{
    tools::SampleOptions options;
    options.withPrograms = false;
    return options;
}

EditorInstallation::EditorInstallation(const tools::SampleOptions &options)
    : m_installation(options), m_previousFolder(platform::currentDirectory())
{
    execute(QStringLiteral("DELETE FROM TTRAD"));
    for (const Row &row : Rows)
        execute(QStringLiteral(
                    "INSERT INTO TTRAD (T_VALEUR, T_TRAD1, T_TRAD2, T_COMMENTAIRE) VALUES (?, ?, ?, ?)"),
                {text(row.french), text(row.language1), text(row.language2),
                 QStringLiteral("Note sur ") + QString::fromUtf8(row.french)});
    platform::setCurrentDirectory(data());
}

EditorInstallation::~EditorInstallation()
{
    platform::setCurrentDirectory(m_previousFolder);
}

QString EditorInstallation::translationDatabase() const
{
    return databases() + QStringLiteral("/BDTRAD.MDB");
}

QVariant EditorInstallation::stored(const QString &french, const QString &field) const
{
    storage::Database database = storage::Database::open(translationDatabase(), storage::Access::ReadOnly);
    storage::QueryCursor row =
        database.openQuery(QStringLiteral("SELECT %1 FROM TTRAD WHERE T_VALEUR = ?").arg(field), {french});
    return row.atEnd() ? QVariant() : row.value(0);
}

void EditorInstallation::execute(const QString &sql, const QVariantList &values) const
{
    storage::Database::open(translationDatabase()).execute(sql, values);
}

QStringList EditorInstallation::initialOrder()
{
    // Language 1 first (Null, then "", then the texts ignoring case), then the French text.
    return {"l'aide", "Fermer la fenêtre", "Fermez d'abord tous les modules", "Achats", "Quitter", "Devis"};
}

QStringList EditorInstallation::frenchOrder()
{
    return {"Achats", "Devis", "Fermer la fenêtre", "Fermez d'abord tous les modules", "l'aide", "Quitter"};
}

} // namespace editor_testing
