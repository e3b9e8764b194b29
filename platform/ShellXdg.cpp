#include "platform/ShellXdg.h"

#include "platform/Failure.h"
#include "platform/Files.h"

#include <QStandardPaths>

namespace platform
{

namespace
{

const QString opener = QStringLiteral("xdg-open");

// The starter starts a program in the current directory: the opener's folder is entered for the
// start only.
class DirectoryVisit
{
public:
    explicit DirectoryVisit(const QString &folder) : m_former(currentDirectory())
    {
        setCurrentDirectory(folder);
    }
    ~DirectoryVisit()
    {
        try {
            setCurrentDirectory(m_former);
        } catch (const Failure &) {
            // The former folder vanished meanwhile: staying in the visited one is all there is.
        }
    }
    DirectoryVisit(const DirectoryVisit &) = delete;
    DirectoryVisit &operator=(const DirectoryVisit &) = delete;

private:
    QString m_former;
};

} // namespace

void XdgShell::open(const QString &target, const QString &workingFolder)
{
    // xdg-open takes such a text for one of its options, and knows no "--" to stop them.
    if (target.startsWith(QLatin1Char('-')))
        throw Failure(QStringLiteral("adresse « %1 » refusée, %2 la prendrait pour une de ses options")
                          .arg(target, opener),
                      5);
    const QString program = QStandardPaths::findExecutable(opener);
    if (program.isEmpty())
        throw Failure(QStringLiteral("Programme %1 introuvable").arg(opener), 53);
    DirectoryVisit visit(workingFolder);
    m_starter.start(program, {target});
}

} // namespace platform
