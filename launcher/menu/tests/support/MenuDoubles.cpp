#include "MenuDoubles.h"

#include "platform/Failure.h"
#include "platform/Files.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace menu::testing
{

qint64 RecordingStarter::start(const QString &program, const QStringList &arguments)
{
    if (m_refused.count(program))
        throw platform::Failure(QStringLiteral("Fichier introuvable : %1").arg(program), 53);
    m_starts.push_back({program, arguments, platform::currentDirectory()});
    if (m_pids.empty()) {
        ADD_FAILURE() << "unexpected start of " << program.toStdString();
        return 0;
    }
    const qint64 pid = m_pids.front();
    m_pids.pop_front();
    return pid;
}

bool RecordingStarter::isRunning(qint64 /*pid*/) const
{
    return false;
}

bool ScriptedActivator::activate(qint64 processId)
{
    asked.push_back(processId);
    return withWindow.count(processId) > 0;
}

std::vector<platform::TopLevelWindow> ScriptedWindows::topLevelWindows()
{
    if (unreachable)
        throw platform::Failure(QStringLiteral("Affichage X inaccessible : :4095"));
    return windows;
}

void RecordingShell::open(const QString &target, const QString &workingFolder)
{
    if (refuse)
        throw platform::Failure(QStringLiteral("Programme xdg-open introuvable"), 53);
    opened.push_back({target, workingFolder});
}

MenuDoubles::MenuDoubles(const QString &programFolder)
    : context{state, traduction, starter, activator, windows, keys, shell, clock, programFolder}
{
}

const ModuleRow &moduleRow(const char *button)
{
    for (const ModuleRow &row : moduleTable()) {
        if (row.button == QString::fromUtf8(button))
            return row;
    }
    throw std::invalid_argument(button);
}

CurrentDirectoryGuard::CurrentDirectoryGuard() : m_directory(platform::currentDirectory()) {}

CurrentDirectoryGuard::~CurrentDirectoryGuard()
{
    platform::setCurrentDirectory(m_directory);
}

} // namespace menu::testing
