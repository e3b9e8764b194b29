#pragma once

#include "launcher/menu/MenuContext.h"
#include "launcher/menu/ModuleTable.h"
#include "platform/Clock.h"
#include "platform/KeySender.h"
#include "platform/Processes.h"
#include "platform/Shell.h"
#include "platform/WindowActivation.h"
#include "platform/WindowList.h"

#include <QDate>
#include <QStringList>
#include <deque>
#include <set>
#include <vector>

namespace menu::testing
{

// Records every start with the current directory it happened in, and answers with queued ids.
class RecordingStarter : public platform::ProcessStarter
{
public:
    struct Start {
        QString program;
        QStringList arguments;
        QString directory;
    };

    void answer(qint64 pid) { m_pids.push_back(pid); }
    // The programs that fail to start, as the real starter does for a missing file.
    void refuse(const QString &program) { m_refused.insert(program); }
    const std::vector<Start> &starts() const { return m_starts; }

    qint64 start(const QString &program, const QStringList &arguments) override;
    bool isRunning(qint64 pid) const override;

private:
    std::deque<qint64> m_pids;
    std::set<QString> m_refused;
    std::vector<Start> m_starts;
};

// The processes that have a window to bring forward; records every id it was asked for.
class ScriptedActivator : public platform::WindowActivator
{
public:
    std::set<qint64> withWindow;
    std::vector<qint64> asked;

    bool activate(qint64 processId) override;
};

// The desktop's top-level windows as a test lays them out, front first; records the close requests.
class ScriptedWindows : public platform::WindowList
{
public:
    std::vector<platform::TopLevelWindow> windows;
    std::vector<platform::WindowHandle> closed;
    bool unreachable = false; // listing fails as without a display

    std::vector<platform::TopLevelWindow> topLevelWindows() override;
    void requestClose(platform::WindowHandle window) override { closed.push_back(window); }
};

class RecordingKeys : public platform::KeySender
{
public:
    QStringList sent;
    void send(const QString &keys) override { sent.push_back(keys); }
};

// Records what was opened and in which working folder; refuses when told to.
class RecordingShell : public platform::Shell
{
public:
    struct Opened {
        QString target;
        QString workingFolder;
    };
    std::vector<Opened> opened;
    bool refuse = false;

    void open(const QString &target, const QString &workingFolder) override;
};

class FixedClock : public platform::Clock
{
public:
    QDate day{2024, 6, 13}; // a Thursday unless a test says otherwise
    QDate today() const override { return day; }
};

// The launcher's state and services with doubles for processes, windows and the clock, started in
// an installation's folders as the launcher would be.
struct MenuDoubles {
    explicit MenuDoubles(const QString &programFolder);

    services::SharedState state;
    services::Traduction traduction{state};
    RecordingStarter starter;
    ScriptedActivator activator;
    ScriptedWindows windows;
    RecordingKeys keys;
    RecordingShell shell;
    FixedClock clock;
    MenuContext context;
};

// The module table's row of a module button.
const ModuleRow &moduleRow(const char *button);

// Keeps the current directory of the test process as it was.
class CurrentDirectoryGuard
{
public:
    CurrentDirectoryGuard();
    ~CurrentDirectoryGuard();

private:
    QString m_directory;
};

} // namespace menu::testing
