// Start-up benchmark: the program against a bare Qt window with a menu bar,
// a text and a status bar (bench_bare_window, a process of its own that
// links only Qt), started alternately, each round in a fresh process.
//
// On an X server ($DISPLAY set; bench/on_xvfb.sh starts Xvfb with a window
// manager and a session bus, as on a desktop) it times from exec to the first
// pixels of the window on the screen, seen through the server's DAMAGE
// extension, for the installed-as-built program itself; without one it
// falls back to the offscreen platform and times the end of the first
// painting inside each process, for both the same way.
//
// It reports the median of the rounds, the resident memory 2 s after the
// start, and the resident memory after every window has been shown once and
// closed (the program started as main() starts it, driven through its menus),
// with the phases of its start-up.
//
// Run: build/bench/bench_startup [rounds]      (bench/on_xvfb.sh for xcb)
// It stops with a message and a non-zero exit when a child does not start,
// does not paint, or crashes.
#include "measure.h"
#include "paint_end.h"
#include "screen_watch.h"
#include "window_tour.h"

#include "app/title_form.h"

#include <QApplication>
#include <QProcess>
#include <QSocketNotifier>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <unistd.h>

namespace {

constexpr double memoryAfterMs = 2000;

// The program as main() starts it, marking its phases and the end of its
// first painting; on "tour" from the benchmark it shows every window once,
// then says "toured" and waits for "quit".
int programChild(int argc, char* argv[])
{
    bench::mark("main", bench::now());
    bench::beforeApplication();
    QApplication application(argc, argv);
    bench::mark("application", bench::now());
    bench::startProgram();
    bench::mark("title", bench::now());
    bool painted = false;
    bench::PaintEnd watcher(FormHaupt, [&painted](double t) {
        if (!painted)
            bench::mark("painted", t);
        painted = true;
    });
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, [&] {
        char line[64] = {};
        const ssize_t n = read(STDIN_FILENO, line, sizeof line - 1);
        if (n <= 0 || qstrncmp(line, "quit", 4) == 0) {
            QCoreApplication::exit(0);
            return;
        }
        if (!bench::waitForAllWindows(20000)) {
            std::fprintf(stderr, "bench_startup: the program did not create all its windows\n");
            QCoreApplication::exit(1);
            return;
        }
        bench::mark("windows", bench::now());
        for (const bench::Showing& s : bench::tourWindows(1))
            if (s.first < 0) {
                std::fprintf(stderr, "bench_startup: %s did not paint\n", qPrintable(s.window));
                QCoreApplication::exit(1);
                return;
            }
        bench::mark("toured", bench::now());
    });
    return QApplication::exec();
}

struct Run {
    double firstPixels = -1; // ms from exec
    double memory = 0;       // MB, 2 s after exec
    double memoryToured = 0; // MB, every window shown once and closed
    std::map<std::string, double> phases;
};

[[noreturn]] void fail(const QString& child, const char* what, QProcess& p)
{
    std::fprintf(stderr, "bench_startup: %s %s (%s)\n", qPrintable(child), what, qPrintable(p.errorString()));
    const QByteArray output = p.readAllStandardError();
    if (!output.isEmpty())
        std::fprintf(stderr, "%s\n", output.constData());
    std::exit(1);
}

void waitUntil(double time)
{
    const double left = time - bench::now();
    if (left > 0)
        QThread::usleep((unsigned long)(left * 1000));
}

// Every child gets folders of its own for settings and data, so no choice
// or unsaved work of a user changes what it does.
QProcessEnvironment childEnvironment(const QTemporaryDir& home)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.path() + QStringLiteral("/config"));
    env.insert(QStringLiteral("XDG_DATA_HOME"), home.path() + QStringLiteral("/data"));
    env.insert(QStringLiteral("XDG_STATE_HOME"), home.path() + QStringLiteral("/state"));
    return env;
}

// One start of a child: first pixels (watched on the screen, or marked by
// the child when `watch` watches none) and memory 2 s after exec. With
// `tour`, the child (this benchmark as the program) then shows every window
// and the memory is read again.
Run measure(const QString& label, const QString& program, const QStringList& arguments, bench::ScreenWatch& watch,
            const QProcessEnvironment& env, bool tour = false)
{
    // A moment of quiet, so the last child's exit does not slow this start.
    watch.settle(150);
    if (!watch.watching())
        QThread::msleep(150);
    QProcess p;
    p.setProcessEnvironment(env);
    const QSize screen = watch.screenSize();
    const double started = bench::now();
    p.start(program, arguments);
    if (!p.waitForStarted(30000))
        fail(label, "did not start", p);
    Run run;
    if (watch.watching()) {
        const double seen = watch.waitForArea(long(screen.width()) * screen.height() * 4 / 10, 20000);
        if (seen < 0)
            fail(label, "never painted a window on the screen", p);
        run.firstPixels = seen - started;
    }
    waitUntil(started + memoryAfterMs);
    if (p.state() != QProcess::Running)
        fail(label, "ended before it was asked to", p);
    run.memory = bench::residentMegabytes(p.processId());
    QByteArray output;
    if (tour) {
        p.write("tour\n");
        while (!output.contains("toured")) {
            if (!p.waitForReadyRead(60000))
                fail(label, "did not show all its windows", p);
            output += p.readAllStandardOutput();
        }
        // Closed windows leave deferred deletions to the next turns of the
        // event loop.
        QThread::msleep(1000);
        run.memoryToured = bench::residentMegabytes(p.processId());
        p.write("quit\n");
        if (!p.waitForFinished(20000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
            fail(label, "did not end cleanly", p);
    } else {
        p.terminate();
        if (!p.waitForFinished(20000))
            fail(label, "did not end", p);
    }
    output += p.readAllStandardOutput();
    for (const QByteArray& line : output.split('\n')) {
        const QList<QByteArray> words = line.split(' ');
        if (words.size() == 2)
            run.phases[words[0].toStdString()] = words[1].toDouble() - started;
    }
    if (!watch.watching()) {
        if (!run.phases.count("painted"))
            fail(label, "never painted", p);
        run.firstPixels = run.phases.at("painted");
    }
    return run;
}

std::vector<double> column(const std::vector<Run>& runs, double Run::*field)
{
    std::vector<double> v;
    for (const Run& r : runs)
        v.push_back(r.*field);
    return v;
}

double medianPhase(const std::vector<Run>& runs, const char* phase)
{
    std::vector<double> v;
    for (const Run& r : runs)
        if (r.phases.count(phase))
            v.push_back(r.phases.at(phase));
    return bench::median(v);
}

}

int main(int argc, char* argv[])
{
    if (argc > 1 && qstrcmp(argv[1], "program") == 0)
        return programChild(argc, argv);

    QCoreApplication driver(argc, argv);
    const int rounds = argc > 1 ? std::max(3, atoi(argv[1])) : 15;
    const int tours = 3;
    const QString self = QCoreApplication::applicationFilePath();
    const QString bare = QCoreApplication::applicationDirPath() + QStringLiteral("/bench_bare_window");
    const QString installed = QStringLiteral(WERKSTOFF_PROGRAM);
    QTemporaryDir home;
    const QProcessEnvironment env = childEnvironment(home);
    bench::ScreenWatch watch;
    const bool onScreen = watch.watching();
    std::printf("Start-up of the program against a bare window: medians of %d alternating rounds\n", rounds);
    std::printf("platform: %s\nmachine: %d processors; load average before: %s\n\n",
                onScreen ? "xcb, first pixels on the screen (DAMAGE)" : "offscreen, end of the first painting",
                bench::processors(), qPrintable(bench::loadAverage()));
    std::fflush(stdout);

    // On a screen the program as built; offscreen this benchmark as the
    // program, which marks the end of its painting as the bare window does.
    const QString programLabel = QStringLiteral("the program");
    const auto startProgram = [&] {
        return onScreen ? measure(programLabel, installed, {QStringLiteral("--lang"), QStringLiteral("de")}, watch, env)
                        : measure(programLabel, self, {QStringLiteral("program")}, watch, env);
    };
    const QString bareLabel = QStringLiteral("the bare window");
    const QStringList bareArguments = onScreen ? QStringList() : QStringList{QStringLiteral("--mark")};
    const auto startBare = [&] { return measure(bareLabel, bare, bareArguments, watch, env); };
    startProgram(); // warm the file cache
    startBare();
    std::vector<Run> programRuns, bareRuns, tourRuns, barePhaseRuns;
    for (int i = 0; i < rounds; ++i) {
        bareRuns.push_back(startBare());
        programRuns.push_back(startProgram());
    }
    for (int i = 0; i < tours; ++i) {
        tourRuns.push_back(measure(programLabel, self, {QStringLiteral("program")}, watch, env, true));
        barePhaseRuns.push_back(measure(bareLabel, bare, {QStringLiteral("--mark")}, watch, env));
    }

    const double programPixels = bench::median(column(programRuns, &Run::firstPixels));
    const double barePixels = bench::median(column(bareRuns, &Run::firstPixels));
    const double programMemory = bench::median(column(programRuns, &Run::memory));
    const double bareMemory = bench::median(column(bareRuns, &Run::memory));
    const double touredMemory = bench::median(column(tourRuns, &Run::memoryToured));
    std::printf("%-52s %10s %10s\n", "", "program", "bare");
    std::printf("%-52s %10.1f %10.1f\n", "first pixels, ms from exec", programPixels, barePixels);
    std::printf("%-52s %10.2f\n", "ratio", programPixels / barePixels);
    std::printf("%-52s %10.1f %10.1f\n", "resident memory 2 s after exec, MB", programMemory, bareMemory);
    std::printf("%-52s %+10.1f\n", "difference, MB", programMemory - bareMemory);
    std::printf("%-52s %10.1f\n", "every window shown once and closed, MB", touredMemory);

    std::printf("\nPhases of the start-up, marked inside each process (the program as main() runs it; medians of %d,\n"
                "ms from exec)\n",
                tours);
    std::printf("%-52s %10s %10s\n", "", "program", "bare");
    const struct {
        const char* key;
        const char* label;
    } phases[] = {
        {"main", "main() reached"},
        {"application", "QApplication created"},
        {"title", "window created and shown"},
        {"painted", "first painting ended"},
    };
    for (const auto& phase : phases)
        std::printf("%-52s %10.1f %10.1f\n", phase.label, medianPhase(tourRuns, phase.key),
                    medianPhase(barePhaseRuns, phase.key));
    if (onScreen)
        std::printf("%-52s %10.1f %10.1f\n", "first pixels on the screen",
                    bench::median(column(tourRuns, &Run::firstPixels)),
                    bench::median(column(barePhaseRuns, &Run::firstPixels)));
    std::printf("\nload average after: %s\n", qPrintable(bench::loadAverage()));
    return 0;
}
