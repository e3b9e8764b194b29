#include "tests/support/fixtures/TempInstallation.h"
#include "tests/support/fixtures/Xdotool.h"
#include "tests/support/fixtures/XvfbServer.h"

#include <QProcess>
#include <gtest/gtest.h>

namespace
{

using testing_support::xdotool;

// The title of the program's first visible window, once it shows one.
QString visibleWindowName(qint64 pid)
{
    const QString window =
        xdotool({QStringLiteral("search"), QStringLiteral("--sync"), QStringLiteral("--onlyvisible"),
                 QStringLiteral("--pid"), QString::number(pid)})
            .section(QLatin1Char('\n'), 0, 0);
    if (window.isEmpty())
        return {};
    return xdotool({QStringLiteral("getwindowname"), window});
}

TEST(StandInWindow, ShowsTheModulesTitleWordInItsModuleFolder)
{
    tools::SampleOptions options;
    options.withPrograms = false;
    const testing_support::TempInstallation installation(options);
    const testing_support::XvfbServer server;

    QProcess standIn;
    standIn.setProcessEnvironment(server.programEnvironment());
    standIn.setWorkingDirectory(installation.data() + QStringLiteral("/torbplan"));
    standIn.start(installation.programs() + QStringLiteral("/torbplan/torbplan"), {});
    ASSERT_TRUE(standIn.waitForStarted());

    EXPECT_TRUE(visibleWindowName(standIn.processId()).contains(QStringLiteral("TORPLAN")));
    standIn.kill();
    standIn.waitForFinished();
}

} // namespace
