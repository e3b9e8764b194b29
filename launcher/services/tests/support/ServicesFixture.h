#pragma once

#include "launcher/services/SharedState.h"
#include "tests/support/fixtures/SchemaFiles.h"
#include "tests/support/fixtures/TempFolder.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace services_testing
{

// One TTRAD row; a missing translation is Null.
struct TranslationRow {
    QString valeur;
    std::optional<QString> trad1 = std::nullopt;
    std::optional<QString> trad2 = std::nullopt;
};

// A temporary installation just big enough for the services: a data folder "SOC1" that is the
// current directory while the fixture lives, a database folder "BASES" and the launcher state
// pointing at it. Its databases are made from the schema files of the folder given.
class ServicesFixture
{
public:
    explicit ServicesFixture(QString schemaFolder = testing_support::schemaFolder());
    ~ServicesFixture();
    ServicesFixture(const ServicesFixture &) = delete;
    ServicesFixture &operator=(const ServicesFixture &) = delete;

    QString root() const { return m_folder.path(); }
    QString data() const { return m_folder.file(QStringLiteral("SOC1")); }
    QString bases() const { return m_folder.file(QStringLiteral("BASES")); }

    void createBdtrad(const QList<TranslationRow> &rows);
    void createBdloc();
    // The rows of TMP_TRAD in index order, each "T_ABREGE|T_VALEUR|T_TRAD".
    QStringList tmpTradRows() const;
    void writeFile(const QString &path, const QByteArray &content);
    QByteArray readFile(const QString &path) const;

    services::SharedState etat;

private:
    testing_support::TempFolder m_folder;
    QString m_schemaFolder;
    QString m_formerDirectory;
};

} // namespace services_testing
