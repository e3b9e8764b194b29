#include "tests/support/fixtures/Eventually.h"
#include "tests/support/fixtures/TempInstallation.h"
#include "tests/support/fixtures/WindowManager.h"
#include "tests/support/fixtures/Xdotool.h"
#include "tests/support/fixtures/XvfbServer.h"

#include <QProcess>
#include <QRect>
#include <gtest/gtest.h>
#include <optional>
// After gtest, whose names the X11 macros would take.
#include <X11/Xlib.h>

namespace
{

using testing_support::eventually;
using testing_support::WindowManagerKind;
using testing_support::xdotool;

// The window manager's frame, unknown before the window first shows, may push the window off the
// centre by its own size.
constexpr int frameAllowance = 40;

// The first visible window of the process whose title begins with the text, once there is one.
QString visibleWindow(qint64 pid, const QString &title)
{
    return xdotool({QStringLiteral("search"), QStringLiteral("--sync"), QStringLiteral("--all"),
                    QStringLiteral("--onlyvisible"), QStringLiteral("--pid"), QString::number(pid),
                    QStringLiteral("--name"), QLatin1Char('^') + title})
        .section(QLatin1Char('\n'), 0, 0);
}

// The window's inner rectangle on the screen.
std::optional<QRect> onScreen(Display *display, Window window)
{
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, window, &attributes) || attributes.map_state != IsViewable)
        return std::nullopt;
    int x = 0;
    int y = 0;
    Window child = 0;
    XTranslateCoordinates(display, window, DefaultRootWindow(display), 0, 0, &x, &y, &child);
    return QRect(x, y, attributes.width, attributes.height);
}

// The translation editor places its window in the middle of the screen, as the other tools do,
// rather than leaving it to the window manager (twm would have the user place it by hand).
class EditorWindowOnDisplay : public ::testing::TestWithParam<WindowManagerKind>
{
protected:
    testing_support::TempInstallation installation;
    testing_support::XvfbServer server;
    testing_support::WindowManager manager{server, GetParam()};
};

TEST_P(EditorWindowOnDisplay, OpensCentredOnTheScreen)
{
    Display *display = XOpenDisplay(server.display().toLatin1().constData());
    ASSERT_TRUE(display);
    QProcess editor;
    editor.setProcessEnvironment(server.programEnvironment());
    editor.setWorkingDirectory(installation.data());
    editor.start(installation.programs() + QStringLiteral("/peluvar"), {installation.data()});
    ASSERT_TRUE(editor.waitForStarted());

    // The language question comes first: language 1.
    const QString question = visibleWindow(editor.processId(), QStringLiteral("peluvar"));
    ASSERT_FALSE(question.isEmpty()) << "the language question shows";
    xdotool({QStringLiteral("mousemove"), QStringLiteral("--window"), question, QStringLiteral("10"),
             QStringLiteral("10")});
    xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), question});
    xdotool({QStringLiteral("type"), QStringLiteral("1")});
    xdotool({QStringLiteral("key"), QStringLiteral("Return")});

    const QString window = visibleWindow(editor.processId(), QStringLiteral("Saisie des traductions"));
    ASSERT_FALSE(window.isEmpty()) << "the editor's window shows";
    std::optional<QRect> place;
    ASSERT_TRUE(eventually([&] { return (place = onScreen(display, window.toULong())).has_value(); }));
    const QPoint screenCentre(DisplayWidth(display, DefaultScreen(display)) / 2,
                              DisplayHeight(display, DefaultScreen(display)) / 2);
    EXPECT_NEAR(place->center().x(), screenCentre.x(), frameAllowance);
    EXPECT_NEAR(place->center().y(), screenCentre.y(), frameAllowance);
    EXPECT_NO_THROW(manager.expectRunning());

    editor.kill();
    editor.waitForFinished();
    XCloseDisplay(display);
}

INSTANTIATE_TEST_SUITE_P(WindowManagers, EditorWindowOnDisplay,
                         ::testing::ValuesIn(testing_support::windowManagerKinds()), [](const auto &test) {
                             return testing_support::windowManagerName(test.param).toStdString();
                         });

} // namespace
