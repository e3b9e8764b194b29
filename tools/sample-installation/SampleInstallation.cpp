#include "tools/sample-installation/SampleInstallation.h"

#include "platform/Failure.h"
#include "tools/modules/BusinessModules.h"
#include "tools/sample-installation/SampleDatabases.h"
#include "tools/sample-installation/SampleFiles.h"

#include <QDir>
#include <QFileInfo>

namespace tools
{

namespace
{

// Where each piece goes, and whether the options leave it out.
class Layout
{
public:
    Layout(const InstallationFolders &folders, const QStringList &leaveOut)
        : m_root(folders.root), m_leaveOut(leaveOut)
    {
    }

    // Whether the absolute path is to be laid out: neither it nor a folder above it is left out.
    bool wanted(const QString &path) const
    {
        const QString relative = QDir(m_root).relativeFilePath(path);
        for (const QString &left : m_leaveOut) {
            if (relative == left || relative.startsWith(left + QLatin1Char('/')))
                return false;
        }
        return true;
    }

    bool makeFolder(const QString &path) const
    {
        if (!wanted(path))
            return false;
        if (!QDir().mkpath(path))
            throw platform::Failure(QStringLiteral("Cannot create the folder %1").arg(path));
        return true;
    }

private:
    QString m_root;
    QStringList m_leaveOut;
};

QString defaultSchemaFolder()
{
    return QStringLiteral(TORB_SCHEMA_DIR);
}

QString defaultStandIn()
{
    return QStringLiteral(TORB_MODULE_STANDIN);
}

void checkEmptyRoot(const QString &root)
{
    const QDir dir(root);
    if (dir.exists() && !dir.isEmpty(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot))
        throw platform::Failure(QStringLiteral("The folder %1 is not empty").arg(root));
}

QList<storage::FolderRow> sampleRowsOf(const InstallationFolders &folders, const SampleOptions &options)
{
    return options.folderRows.value_or(sampleFolderRows(folders));
}

void layOutPrograms(const Layout &layout, const InstallationFolders &folders, const QString &programFolder,
                    const SampleOptions &options)
{
    if (!layout.makeFolder(folders.programs))
        return;
    if (options.withPrograms) {
        for (const QString &program : suitePrograms()) {
            const QString target = folders.programs + QLatin1Char('/') + program;
            if (layout.wanted(target))
                installProgram(programFolder + QLatin1Char('/') + program, target);
        }
    }
    const QString standIn = options.standInProgram.isEmpty() ? defaultStandIn() : options.standInProgram;
    for (const BusinessModule &module : businessModules()) {
        const QString folder = folders.programs + QLatin1Char('/') + module.folder;
        const QString target = folder + QLatin1Char('/') + module.program;
        if (layout.makeFolder(folder) && layout.wanted(target))
            installProgram(standIn, target);
    }
    const QString signets = folders.programs + QStringLiteral("/SIGNETS.MDB");
    if (layout.wanted(signets))
        createSampleDatabase(signets, options.schemaFolder, {signetRows()});
    // pressolite reads the folder table only when one lies beside it too: the same rows as the
    // data folder's.
    const QString dbpath = folders.programs + QLatin1Char('/') + storage::kFolderDatabaseName;
    if (layout.wanted(dbpath))
        createSampleDatabase(dbpath, options.schemaFolder, {folderTableRows(sampleRowsOf(folders, options))});
}

void layOutData(const Layout &layout, const InstallationFolders &folders, const SampleOptions &options)
{
    if (!layout.makeFolder(folders.data))
        return;
    const QString dbpath = folders.data + QLatin1Char('/') + storage::kFolderDatabaseName;
    if (layout.wanted(dbpath))
        createSampleDatabase(dbpath, options.schemaFolder, {folderTableRows(sampleRowsOf(folders, options))});
    const QString bdloc = folders.data + QStringLiteral("/BDLOC.MDB");
    if (layout.wanted(bdloc))
        createSampleDatabase(bdloc, options.schemaFolder, {});
    const QString ini = folders.data + QStringLiteral("/torbprod.ini");
    if (layout.wanted(ini)) {
        QStringList lines;
        if (options.language)
            lines << QStringLiteral("LANGUE=%1").arg(*options.language);
        writeIniFile(ini, lines);
    }
    for (const BusinessModule &module : businessModules())
        layout.makeFolder(folders.data + QLatin1Char('/') + module.folder);

    // The update address lies in the folder that holds the data folder.
    const QString updateIni = folders.root + QStringLiteral("/torbprod.ini");
    if (layout.wanted(updateIni))
        writeIniFile(updateIni, {QStringLiteral("VOSKERAND=") + options.updateAddress});
}

void layOutDatabases(const Layout &layout, const InstallationFolders &folders, const SampleOptions &options)
{
    if (!layout.makeFolder(folders.databases))
        return;
    const QString bdtrad = folders.databases + QStringLiteral("/BDTRAD.MDB");
    if (layout.wanted(bdtrad))
        createSampleDatabase(bdtrad, options.schemaFolder,
                             {translationTableRows(sampleTranslations() + options.extraTranslations)});
    for (const QString &name : moduleDatabaseNames()) {
        const QString path = folders.databases + QLatin1Char('/') + name;
        if (layout.wanted(path))
            createSampleDatabase(path, options.schemaFolder, moduleDatabaseRows(name));
    }
}

void layOutTemplates(const Layout &layout, const InstallationFolders &folders)
{
    if (!layout.makeFolder(folders.templates))
        return;
    for (const QString &name : templateNames()) {
        const QString path = folders.templates + QLatin1Char('/') + name;
        if (layout.wanted(path))
            writeTemplateFile(path);
    }
}

} // namespace

InstallationFolders sampleFolders(const QString &root)
{
    const QString base = QDir::cleanPath(QDir(root).absolutePath());
    return {base, base + QStringLiteral("/programmes"), base + QStringLiteral("/SOC1"),
            base + QStringLiteral("/bases"), base + QStringLiteral("/modeles")};
}

const QStringList &suitePrograms()
{
    static const QStringList programs = {QStringLiteral("torbprod"), QStringLiteral("peluvar"),
                                         QStringLiteral("pressolite"), QStringLiteral("modarin"),
                                         QStringLiteral("modvisk")};
    return programs;
}

InstallationFolders makeSampleInstallation(const QString &root, const QString &programFolder,
                                           const SampleOptions &options)
{
    const InstallationFolders folders = sampleFolders(root);
    checkEmptyRoot(folders.root);
    SampleOptions resolved = options;
    if (resolved.schemaFolder.isEmpty())
        resolved.schemaFolder = defaultSchemaFolder();

    const Layout layout(folders, options.leaveOut);
    layout.makeFolder(folders.root);
    layOutPrograms(layout, folders, programFolder, resolved);
    layOutData(layout, folders, resolved);
    layOutDatabases(layout, folders, resolved);
    layOutTemplates(layout, folders);
    return folders;
}

} // namespace tools
