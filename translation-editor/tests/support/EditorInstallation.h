#pragma once

#include "storage/Database.h"
#include "tests/support/fixtures/TempInstallation.h"

#include <QString>
#include <QVariant>

namespace editor_testing
{

// A sample installation whose TTRAD holds a few known rows (French text, language 1, language 2):
//   "Quitter"                         "Quit"                     "Wyjście"
//   "Devis"                           "Quotes"                   Null
//   "l'aide"                          Null                       "Pomoc"
//   "Achats"                          "Purchasing"               "Zakupy"
//   "Fermer la fenêtre"               ""                         "Zamknij okno"
//   "Fermez d'abord tous les modules" "Close all modules first"  Null
// The data folder is the current folder while it lives.
class EditorInstallation
{
public:
    explicit EditorInstallation(const tools::SampleOptions &options = {});
    ~EditorInstallation();

    const testing_support::TempInstallation &installation() const { return m_installation; }
    QString data() const { return m_installation.data(); }
    QString databases() const { return m_installation.databases(); }
    QString translationDatabase() const;

    // A field of the stored row whose French text is given, read on a connection of its own.
    QVariant stored(const QString &french, const QString &field) const;
    // Runs a statement on the translation database.
    void execute(const QString &sql, const QVariantList &values = {}) const;

    // The French texts in the initial order of the list, and ordered by the French text.
    static QStringList initialOrder();
    static QStringList frenchOrder();

private:
    testing_support::TempInstallation m_installation;
    QString m_previousFolder;
};

// Options of an installation without the built programs, which the editor's tests do not start.
tools::SampleOptions withoutPrograms();

} // namespace editor_testing
