#include "MenuDoubles.h"

#include "platform/Failure.h"
#include "platform/Files.h"

#include <gtest/gtest.h>

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

MenuDoubles::MenuDoubles(const QString &programFolder)
    : context{state, traduction, starter, activator, clock, programFolder}
{
}

CurrentDirectoryGuard::CurrentDirectoryGuard() : m_directory(platform::currentDirectory()) {}

CurrentDirectoryGuard::~CurrentDirectoryGuard()
{
    platform::setCurrentDirectory(m_directory);
}

} // namespace menu::testing
