// Start-up benchmark: the program against a bare Qt Widgets window of the same
// full-screen size that draws a text (so it pays for a font too), both started
// as child processes, alternately. For each it reports the median time from
// starting the process to the first pixels of its window, the phases on the
// way there, and the resident memory once the program has created all its
// windows.
//
// Run: QT_QPA_PLATFORM=offscreen build/bench/bench_startup [rounds]
// It stops with a message and a non-zero exit when a child does not start,
// does not paint, or crashes.
#include "app/title_form.h"
#include "app/registry.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <map>
#include <vector>

namespace {

// Monotonic time in ms, the same clock in parent and child.
double now()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

void mark(const char* phase)
{
    std::printf("%s %.3f\n", phase, now());
    std::fflush(stdout);
}

double residentMegabytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    return 0;
}

// Marks the first paint of a window; one turn of the event loop later its
// pixels are on the screen. The program creates its other windows right
// after that; the memory is read once they all exist.
class FirstPaint : public QObject {
public:
    explicit FirstPaint(bool program) : m_program(program) {}
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            mark("paint");
            QTimer::singleShot(0, [this] {
                mark("shown");
                // The program's remaining windows follow in the next turns.
                QTimer::singleShot(m_program ? 50 : 0, [] {
                    if (app::windows().size() > 1 || !app::isBuilt(QStringLiteral("TFormHaerte")))
                        mark("windows");
                    std::printf("memory %.1f\n", residentMegabytes());
                    std::fflush(stdout);
                    QCoreApplication::exit(0);
                });
            });
        }
        return false;
    }

private:
    bool m_program;
    bool m_seen = false;
};

int child(int argc, char* argv[], bool program)
{
    mark("main");
    if (program)
        app::decodeTitlePictureEarly();
    QApplication application(argc, argv);
    mark("application");
    FirstPaint probe(program);
    QWidget bare;
    if (program) {
        app::prepareApplication();
        mark("prepared");
        app::startProgram();
        FormHaupt->installEventFilter(&probe);
        mark("title");
    } else {
        bare.resize(1024, 768);
        bare.setWindowTitle(QStringLiteral("bare"));
        auto* text = new QLabel(QStringLiteral("Mechanische Werkstoffprüfung"), &bare);
        text->setGeometry(100, 100, 600, 60);
        bare.installEventFilter(&probe);
        bare.show();
        mark("title");
    }
    return QApplication::exec();
}

struct Run {
    std::map<std::string, double> phases; // ms from the process start
    double memory = 0;
};

// Starts one child and reads its marks. A child that does not start, does
// not paint, or does not end cleanly stops the benchmark: figures measured
// on crashed children would be meaningless.
Run measure(const QString& self, const QString& mode)
{
    // A moment of quiet, so the last child's exit does not slow this start.
    QThread::msleep(150);
    QProcess p;
    const double started = now();
    p.start(self, {mode});
    const auto fail = [&](const char* what) {
        std::fprintf(stderr, "bench_startup: the %s child %s (%s)\n", qPrintable(mode), what,
                     qPrintable(p.errorString()));
        const QByteArray output = p.readAllStandardError();
        if (!output.isEmpty())
            std::fprintf(stderr, "%s\n", output.constData());
        std::exit(1);
    };
    if (!p.waitForStarted(30000))
        fail("did not start");
    if (!p.waitForFinished(60000))
        fail("did not end");
    if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        fail("crashed or failed");
    Run run;
    for (const QByteArray& line : p.readAllStandardOutput().split('\n')) {
        const QList<QByteArray> words = line.split(' ');
        if (words.size() != 2)
            continue;
        if (words[0] == "memory")
            run.memory = words[1].toDouble();
        else
            run.phases[words[0].toStdString()] = words[1].toDouble() - started;
    }
    if (!run.phases.count("shown"))
        fail("never painted");
    return run;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

double medianOf(const std::vector<Run>& runs, const std::string& phase)
{
    std::vector<double> v;
    for (const Run& r : runs)
        if (r.phases.count(phase))
            v.push_back(r.phases.at(phase));
    return median(v);
}

}

int main(int argc, char* argv[])
{
    if (argc > 1 && (qstrcmp(argv[1], "program") == 0 || qstrcmp(argv[1], "bare") == 0))
        return child(argc, argv, qstrcmp(argv[1], "program") == 0);

    QCoreApplication driver(argc, argv);
    const QString self = QCoreApplication::applicationFilePath();
    const int rounds = argc > 1 ? std::max(3, atoi(argv[1])) : 15;
    std::vector<Run> program, bare;
    measure(self, QStringLiteral("program")); // warm the file cache
    measure(self, QStringLiteral("bare"));
    for (int i = 0; i < rounds; ++i) {
        bare.push_back(measure(self, QStringLiteral("bare")));
        program.push_back(measure(self, QStringLiteral("program")));
    }

    std::printf("Start-up, medians of %d alternating rounds (ms from the process start)\n\n", rounds);
    std::printf("%-44s %10s %10s\n", "phase", "program", "bare");
    const struct {
        const char* key;
        const char* label;
    } phases[] = {
        {"main", "main() reached"},
        {"application", "QApplication created"},
        {"prepared", "name, translator"},
        {"title", "title window created and shown"},
        {"paint", "first paint begins"},
        {"shown", "first pixels on the screen"},
        {"windows", "all windows created"},
    };
    for (const auto& p : phases)
        std::printf("%-44s %10.1f %10s\n", p.label, medianOf(program, p.key),
                    medianOf(bare, p.key) > 0 ? qPrintable(QString::number(medianOf(bare, p.key), 'f', 1)) : "-");
    std::vector<double> pm, bm;
    for (const Run& r : program)
        pm.push_back(r.memory);
    for (const Run& r : bare)
        bm.push_back(r.memory);
    const double ratio = medianOf(program, "shown") / medianOf(bare, "shown");
    std::printf("\n%-44s %10.2f\n", "ratio to the first pixels", ratio);
    std::printf("%-44s %9.1f MB %7.1f MB\n", "resident memory, all windows created", median(pm), median(bm));
    std::printf("%-44s %+9.1f MB\n", "difference", median(pm) - median(bm));
    return 0;
}
