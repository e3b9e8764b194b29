#pragma once

#include "launcher/services/SharedState.h"
#include "launcher/services/Traduction.h"
#include "launcher/settings/FPARSYS.h"
#include "platform/KeySender.h"
#include "storage/FolderTable.h"
#include "tests/support/fixtures/SchemaFiles.h"
#include "tests/support/fixtures/TempFolder.h"
#include "ui/testing/ScriptedDialogs.h"

#include <QStringList>
#include <memory>

namespace settings_testing
{

// Keystrokes recorded instead of sent.
class RecordedKeys : public platform::KeySender
{
public:
    void send(const QString &keys) override { sent << keys; }
    QStringList sent;
};

// A data folder "SOC1" (the current directory while the fixture lives) with DBPATH.MDB and
// BDLOC.MDB made from the schema files of the folder given, a database folder "BASES" holding TORBSTOC.MDB
// and TORBCOM.MDB, the launcher state pointing at them, and the data-path window on top. Message boxes go to
// the scripted dialogs; keystrokes to the key sender given, else they are recorded in keys.
class DataPathFixture
{
public:
    explicit DataPathFixture(const QString &schemaFolder = testing_support::schemaFolder(),
                             platform::KeySender *keySender = nullptr);
    ~DataPathFixture();
    DataPathFixture(const DataPathFixture &) = delete;
    DataPathFixture &operator=(const DataPathFixture &) = delete;

    QString root() const { return m_folder.path(); }
    QString data() const { return m_folder.file(QStringLiteral("SOC1")); }
    QString bases() const { return m_folder.file(QStringLiteral("BASES")); }

    // Stores the rows in the order given (not by key).
    void addFolderRows(const QList<storage::FolderRow> &rows);
    // Two products in BASES/ (keys 1, TORBSTOC networked over TCP/IP, and 3, TORBCOM single
    // station) and the template row 2 without a database name.
    void addSampleRows();
    void addHistory(const QString &folder);
    // A translation that TRAD finds from now on (language 1).
    void translate(const QString &french, const QString &translation);
    void writeFile(const QString &path);

    // The rows as stored, lowest key first.
    QList<storage::FolderRow> storedRows() const;
    // TMP_PATHBASES, oldest first.
    QStringList storedHistory() const;

    // Shows the window and makes it the active one, as the window system would.
    void open();
    settings::DataPathForm &window() { return fparsys->window(); }

    services::SharedState etat;
    ui::testing::ScriptedDialogs dialogs;
    RecordedKeys keys;

private:
    testing_support::TempFolder m_folder;
    QString m_formerDirectory;
    std::unique_ptr<services::Traduction> m_traduction;
    std::unique_ptr<ui::Form> m_menu;

public:
    std::unique_ptr<settings::FPARSYS> fparsys;
};

} // namespace settings_testing
