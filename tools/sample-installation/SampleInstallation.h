#pragma once

#include "tools/sample-installation/SampleRows.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace tools
{

// The folders of a laid-out installation, absolute, without a trailing "/".
struct InstallationFolders {
    QString root;
    QString programs;  // the built programs, SIGNETS.MDB, DBPATH.MDB as in data, the module stand-ins
    QString data;      // DBPATH.MDB, BDLOC.MDB, torbprod.ini, one sub-folder per module
    QString databases; // BDTRAD.MDB and the six module databases
    QString templates; // the Word templates
};

struct SampleOptions {
    // Files or folders not to lay out, relative to the root as laid out ("SOC1/BDLOC.MDB",
    // "programmes/modvisk", "torbprod.ini" for the update-address file beside the data folder).
    QStringList leaveOut;
    // Writes "LANGUE=<n>" into the data folder's torbprod.ini; without it the file has no language
    // line (French).
    std::optional<int> language;
    QString updateAddress = QStringLiteral("http://mises-a-jour.torbprod.example/updates/V95/");
    // Replaces the sample TPATH rows (sampleFolderRows gives them for tests to start from).
    std::optional<QList<storage::FolderRow>> folderRows;
    QList<TranslationRow> extraTranslations;
    // Installs the built programs of the program folder given to makeSampleInstallation; the
    // stand-ins and SIGNETS.MDB are installed either way.
    bool withPrograms = true;
    QString schemaFolder;   // empty: the source tree's schema/
    QString standInProgram; // empty: the module stand-in built with this tool
};

// The folders an installation at root will have.
InstallationFolders sampleFolders(const QString &root);

// Lays out a complete installation in root, which must not exist yet or be empty. Programs come from
// programFolder (linked where the file system allows it, else copied). Throws platform::Failure.
InstallationFolders makeSampleInstallation(const QString &root, const QString &programFolder,
                                           const SampleOptions &options = {});

// The programs of the suite that an installation's program folder holds.
const QStringList &suitePrograms();

} // namespace tools
