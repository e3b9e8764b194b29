#include "platform/OfficeLibreOffice.h"

#include "platform/CaseResolution.h"
#include "platform/FileFailure.h"
#include "platform/Files.h"
#include "platform/PathRules.h"

#include <QFileInfo>
#include <unistd.h>

namespace platform
{

namespace
{

const QStringList kProgramNames{QStringLiteral("libreoffice"), QStringLiteral("soffice")};
constexpr int kCannotCreateObject = 429;
constexpr int kFileNotFound = 53;

bool isExecutableFile(const QString &path)
{
    return isOrdinaryFile(path) && ::access(nativePath(path).constData(), X_OK) == 0;
}

// One LibreOffice started per opened file. Once started, LibreOffice shows the file in front of
// the other windows by itself and owns its window: closing it from here could only be done by
// ending the process, which would lose the user's unsaved changes, so its documents stay open
// under the user's control.
class LibreOfficeApplication : public OfficeApplication
{
public:
    LibreOfficeApplication(ProcessStarter &starter, const QString &program)
        : m_starter(starter), m_program(program)
    {
    }

    void openDocument(const QString &path) override
    {
        const QString resolved = resolveCase(path);
        if (!isOrdinaryFile(resolved))
            throw Failure(QStringLiteral("Fichier introuvable : %1").arg(path), kFileNotFound);
        // "-o" opens a template itself rather than a new document based on it.
        m_starter.start(m_program, {QStringLiteral("-o"), QFileInfo(resolved).absoluteFilePath()});
    }
    void setVisible(bool) override {}
    void activate() override {}
    void closeDocuments() override {}
    void quit() override {}

private:
    ProcessStarter &m_starter;
    QString m_program;
};

} // namespace

LibreOffice::LibreOffice(ProcessStarter &starter, const QString &searchPath)
    : m_starter(starter), m_searchPath(searchPath)
{
}

std::unique_ptr<OfficeApplication> LibreOffice::createApplication()
{
    const QString program = findOnSearchPath(kProgramNames, m_searchPath);
    if (program.isEmpty())
        throw Failure(QStringLiteral("Le traitement de texte n'est pas installé sur ce poste : le modèle ne "
                                     "peut pas être ouvert. Demandez à votre administrateur de l'installer."),
                      kCannotCreateObject);
    return std::make_unique<LibreOfficeApplication>(m_starter, program);
}

QString findOnSearchPath(const QStringList &names, const QString &searchPath)
{
    const QStringList folders = searchPath.split(QLatin1Char(':'), Qt::SkipEmptyParts);
    for (const QString &name : names) {
        for (const QString &folder : folders) {
            const QString candidate = joinPath(folder, name, PathSyntax::posix());
            if (isExecutableFile(candidate))
                return candidate;
        }
    }
    return QString();
}

} // namespace platform
