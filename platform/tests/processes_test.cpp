#include "platform/Failure.h"
#include "platform/Processes.h"

#include "support/TemporaryFolder.h"

#include <QFile>
#include <cerrno>
#include <csignal>
#include <gtest/gtest.h>
#include <sched.h>
#include <sys/wait.h>
#include <unistd.h>

using platform::testing::TemporaryFolder;

namespace
{

// Waits, without any time limit of its own (ctest's timeout guards a hang), until the child ends.
void waitUntilEnded(const platform::ProcessStarter &starter, qint64 pid)
{
    while (starter.isRunning(pid))
        ::sched_yield();
}

QString script(const TemporaryFolder &root, const QString &name, const QByteArray &body)
{
    const QString path = root.write(name, "#!/bin/sh\n" + body + "\n");
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

} // namespace

TEST(Processes, StartsWithArgumentsInTheCurrentDirectoryAndReapsTheChild)
{
    TemporaryFolder root;
    script(root, QStringLiteral("bin/peluvar"), "pwd > out.txt; printf '%s|' \"$@\" >> out.txt");
    const QString module = root.makeFolder(QStringLiteral("data/torbstoc"));
    ASSERT_EQ(::chdir(QFile::encodeName(module).constData()), 0);

    platform::SystemProcessStarter starter;
    const qint64 pid = starter.start(root.path(QStringLiteral("BIN/PeluVar.exe")),
                                     {QStringLiteral("/data dir/"), QStringLiteral("a;b")});
    ASSERT_GT(pid, 0);
    waitUntilEnded(starter, pid);

    QFile out(module + QStringLiteral("/out.txt"));
    ASSERT_TRUE(out.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(out.readAll()), module + QStringLiteral("\n/data dir/|a;b|"));
    // Reaped already: no zombie is left for anyone to wait for.
    errno = 0;
    EXPECT_EQ(::waitpid(static_cast<pid_t>(pid), nullptr, WNOHANG), -1);
    EXPECT_EQ(errno, ECHILD);
}

TEST(Processes, ARunningChildIsRunningUntilItEnds)
{
    platform::SystemProcessStarter starter;
    const qint64 pid = starter.start(QStringLiteral("/bin/sleep"), {QStringLiteral("1000")});
    EXPECT_TRUE(starter.isRunning(pid));
    ASSERT_EQ(::kill(static_cast<pid_t>(pid), SIGKILL), 0);
    waitUntilEnded(starter, pid);
    EXPECT_FALSE(starter.isRunning(pid));
}

TEST(Processes, FailsToStartWhatIsNoProgram)
{
    TemporaryFolder root;
    const QString plain = root.write(QStringLiteral("plain.exe"), "not a program");
    platform::SystemProcessStarter starter;
    struct Case {
        QString program;
        int number;
    };
    const Case cases[] = {
        {root.path(QStringLiteral("missing.exe")), 53},
        {plain, 70},
        {root.path(), 70},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.program.toStdString());
        try {
            starter.start(c.program, {});
            ADD_FAILURE() << "started";
        } catch (const platform::Failure &failure) {
            EXPECT_EQ(failure.number(), c.number);
            EXPECT_TRUE(failure.description().contains(c.program));
        }
    }
    EXPECT_FALSE(starter.isRunning(0));
}
