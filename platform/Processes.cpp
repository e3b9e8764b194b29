#include "platform/Processes.h"

#include "platform/CaseResolution.h"
#include "platform/FileFailure.h"

#include <cerrno>
#include <csignal>
#include <mutex>
#include <optional>
#include <set>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <vector>

extern char **environ;

namespace platform
{

namespace
{

// The children we started and those of them that have ended. Each child has a thread that
// waits for it, so it is reaped as soon as it ends without touching anyone else's children.
// Never destroyed: waiting threads may still run while the program exits.
class Children
{
public:
    static Children &instance()
    {
        static Children *children = new Children;
        return *children;
    }

    void watch(pid_t pid)
    {
        {
            std::lock_guard lock(m_mutex);
            m_running.insert(pid);
            m_ended.erase(pid);
        }
        std::thread([this, pid] { reap(pid); }).detach();
    }

    // Empty when the pid is none of ours.
    std::optional<bool> isRunning(pid_t pid) const
    {
        std::lock_guard lock(m_mutex);
        if (m_running.count(pid))
            return true;
        if (m_ended.count(pid))
            return false;
        return std::nullopt;
    }

private:
    void reap(pid_t pid)
    {
        int status = 0;
        while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
        std::lock_guard lock(m_mutex);
        m_running.erase(pid);
        m_ended.insert(pid);
    }

    mutable std::mutex m_mutex;
    std::set<pid_t> m_running;
    std::set<pid_t> m_ended;
};

} // namespace

qint64 SystemProcessStarter::start(const QString &program, const QStringList &arguments)
{
    const QByteArray path = nativePath(resolveProgram(program));
    std::vector<QByteArray> words{path};
    for (const QString &argument : arguments)
        words.push_back(argument.toLocal8Bit());
    std::vector<char *> argv;
    for (QByteArray &word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);

    // The child starts with no signal blocked and the default SIGPIPE, whatever this process set.
    posix_spawnattr_t attributes;
    ::posix_spawnattr_init(&attributes);
    sigset_t none;
    sigset_t defaults;
    sigemptyset(&none);
    sigemptyset(&defaults);
    sigaddset(&defaults, SIGPIPE);
    ::posix_spawnattr_setsigmask(&attributes, &none);
    ::posix_spawnattr_setsigdefault(&attributes, &defaults);
    ::posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);

    pid_t pid = 0;
    const int error = ::posix_spawn(&pid, path.constData(), nullptr, &attributes, argv.data(), environ);
    ::posix_spawnattr_destroy(&attributes);
    if (error != 0)
        throw fileFailure(QStringLiteral("Impossible de démarrer"), program, error);
    Children::instance().watch(pid);
    return pid;
}

bool SystemProcessStarter::isRunning(qint64 pid) const
{
    if (pid <= 0)
        return false;
    if (const std::optional<bool> ours = Children::instance().isRunning(static_cast<pid_t>(pid)))
        return *ours;
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

} // namespace platform
