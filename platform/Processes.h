#pragma once

#include <QString>
#include <QStringList>

namespace platform
{

// Starting programs. Callers hold a ProcessStarter so that tests can replace it.
class ProcessStarter
{
public:
    virtual ~ProcessStarter() = default;

    // Starts the program (path resolved with resolveProgram) with the arguments, without a shell,
    // in the current directory and environment; returns its process id. Throws
    // platform::Failure when the program cannot be started (missing, not executable).
    virtual qint64 start(const QString &program, const QStringList &arguments) = 0;

    // Whether the process still runs (a process that ended is no longer running).
    virtual bool isRunning(qint64 pid) const = 0;
};

// The real starter. The children it starts are reaped when they end, so none lingers as a
// zombie; other children of the process (QProcess, ...) are left alone.
class SystemProcessStarter : public ProcessStarter
{
public:
    qint64 start(const QString &program, const QStringList &arguments) override;
    bool isRunning(qint64 pid) const override;
};

} // namespace platform
