// Launcher start-up, from the start of its process to its menu window mapped on the X display, against
// a bare Qt window program measured the same way in the same run. Targets: ratio under 1.3 in French,
// under 1.5 with language 1 and 50,000 translations.
#include "storage/Database.h"

#include <QApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QWidget>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <map>
#include <poll.h>
#include <stdexcept>
#include <string>
#include <vector>

namespace
{

const char *const bareWindowOption = "--bare-window";
constexpr int translationCount = 50000;
constexpr int waitMs = 30000;

int bareWindow(int argc, char **argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("bare"));
    window.resize(157, 700);
    window.show();
    return app.exec();
}

QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(120000) || process.exitCode() != 0)
        throw std::runtime_error("failed: " + program.toStdString() + " " +
                                 process.readAllStandardError().toStdString());
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

// An Xvfb of the benchmark's own, and a connection that sees every window mapped on its screen.
class XvfbDisplay
{
public:
    XvfbDisplay()
    {
        m_server.start(QStringLiteral("Xvfb"),
                       {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                        QStringLiteral("0"), QStringLiteral("1280x1024x24"), QStringLiteral("-nolisten"),
                        QStringLiteral("tcp")});
        QByteArray number;
        while (!number.contains('\n') && m_server.waitForReadyRead(waitMs))
            number += m_server.readAllStandardOutput();
        m_name = ":" + number.trimmed();
        m_display = XOpenDisplay(m_name.constData());
        if (!m_display)
            throw std::runtime_error("no Xvfb display");
        XSelectInput(m_display, DefaultRootWindow(m_display), SubstructureNotifyMask);
        m_pidAtom = XInternAtom(m_display, "_NET_WM_PID", False);
    }
    ~XvfbDisplay()
    {
        if (m_display)
            XCloseDisplay(m_display);
        m_server.kill();
        m_server.waitForFinished();
    }

    const QByteArray &name() const { return m_name; }

    // Waits for a window of the process to be mapped; false when none is within the bound.
    bool waitForWindowOf(qint64 pid)
    {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMs);
        while (std::chrono::steady_clock::now() < deadline) {
            while (XPending(m_display)) {
                XEvent event;
                XNextEvent(m_display, &event);
                if (event.type == MapNotify && pidOf(event.xmap.window) == pid)
                    return true;
            }
            pollfd descriptor{ConnectionNumber(m_display), POLLIN, 0};
            poll(&descriptor, 1, 100);
        }
        return false;
    }

private:
    qint64 pidOf(Window window)
    {
        Atom type;
        int format;
        unsigned long count, after;
        unsigned char *data = nullptr;
        qint64 pid = 0;
        if (XGetWindowProperty(m_display, window, m_pidAtom, 0, 1, False, XA_CARDINAL, &type, &format, &count,
                               &after, &data) == Success &&
            data && count == 1)
            pid = *reinterpret_cast<unsigned long *>(data);
        if (data)
            XFree(data);
        return pid;
    }

    QProcess m_server;
    QByteArray m_name;
    ::Display *m_display = nullptr;
    Atom m_pidAtom = 0;
};

struct Program {
    QString path;
    QStringList arguments;
    QString directory;
};

XvfbDisplay *display = nullptr;
std::map<std::string, Program> programs;
std::map<std::string, std::vector<double>> samples;

// Seconds from the start of the program to its window mapped.
double startUp(const Program &program)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), QString::fromLatin1(display->name()));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(program.directory);
    const auto started = std::chrono::steady_clock::now();
    process.start(program.path, program.arguments);
    if (!process.waitForStarted() || !display->waitForWindowOf(process.processId()))
        throw std::runtime_error("no window from " + program.path.toStdString());
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - started;
    process.kill();
    process.waitForFinished();
    return elapsed.count();
}

const std::vector<std::string> programNames{"bare", "french", "language1"};

// One round starts each program once, in an order that turns from round to round, so that a
// change of the machine's load falls on all three alike.
void BM_StartUpRounds(benchmark::State &state)
{
    for (const std::string &name : programNames)
        startUp(programs.at(name)); // the first start lays out what later starts only read
    std::size_t round = 0;
    for (auto _ : state) {
        double seconds = 0;
        for (std::size_t k = 0; k < programNames.size(); ++k) {
            const std::string &name = programNames[(round + k) % programNames.size()];
            const double one = startUp(programs.at(name));
            samples[name].push_back(one);
            seconds += one;
        }
        ++round;
        state.SetIterationTime(seconds);
    }
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

void addTranslations(const QString &bdtrad)
{
    storage::Database database = storage::Database::open(bdtrad);
    database.execute(
        QStringLiteral("INSERT INTO TTRAD (T_VALEUR, T_TRAD1, T_TRAD2) "
                       "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < ?) "
                       "SELECT 'Texte de mesure ' || i, 'Measured text ' || i, NULL FROM n"),
        {translationCount});
}

} // namespace

int main(int argc, char **argv)
{
    if (argc > 1 && std::string(argv[1]) == bareWindowOption)
        return bareWindow(argc, argv);
    QCoreApplication app(argc, argv);
    const QString build = QCoreApplication::applicationDirPath() + QStringLiteral("/..");
    const QString tool = build + QStringLiteral("/tools-bin/make-sample-installation");
    const QString built = build + QStringLiteral("/bin");
    QTemporaryDir root;
    const QString french = root.filePath(QStringLiteral("fr"));
    const QString translated = root.filePath(QStringLiteral("langue1"));
    run(tool, {french, built});
    run(tool, {QStringLiteral("--language"), QStringLiteral("1"), translated, built});
    addTranslations(translated + QStringLiteral("/bases/BDTRAD.MDB"));

    XvfbDisplay screen;
    display = &screen;
    programs["bare"] = {
        QCoreApplication::applicationFilePath(), {QString::fromLatin1(bareWindowOption)}, root.path()};
    programs["french"] = {
        french + QStringLiteral("/programmes/torbprod"), {}, french + QStringLiteral("/SOC1")};
    programs["language1"] = {
        translated + QStringLiteral("/programmes/torbprod"), {}, translated + QStringLiteral("/SOC1")};
    benchmark::RegisterBenchmark("StartUp/bare+french+language1", BM_StartUpRounds)
        ->UseManualTime()
        ->Iterations(21)
        ->Unit(benchmark::kMillisecond);

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    const double bare = median(samples["bare"]);
    std::printf("\nmedian start-up to window: bare Qt window %.1f ms, torbprod French %.1f ms, "
                "language 1 with %d more translations %.1f ms\n",
                bare * 1000, median(samples["french"]) * 1000, translationCount,
                median(samples["language1"]) * 1000);
    std::printf("ratio French / bare:     %.2f (target under 1.3)\n", median(samples["french"]) / bare);
    std::printf("ratio language 1 / bare: %.2f (target under 1.5)\n", median(samples["language1"]) / bare);
    return 0;
}
