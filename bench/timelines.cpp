// Animation timelines: every animation of the program runs on a real event
// loop, and its wall time is set against its nominal timeline, the sum of the
// intervals its timer waits before each tick. Animations of different windows
// run side by side; those of one window one after another.
//
// Halfway through each run its window's drawing is saved, as a user may do at
// any moment (as PNG, PDF and SVG in turn from run to run); the run must keep
// its timeline all the same.
//
// Run: QT_QPA_PLATFORM=offscreen build/bench/bench_timelines
// Prints a table and exits non-zero when a run strays more than 1 % from its
// timeline or does not end.
#include "app/registry.h"
#include "toolkit/export.h"
#include "toolkit/form.h"
#include "toolkit/timer.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QThreadPool>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <utility>
#include <vector>

namespace {

// An animation: the window, the menu item or button that starts it, its
// timer. One that turns until it is stopped runs a given number of ticks and
// is then stopped by its stop item.
struct Animation {
    const char* label;
    const char* window;
    const char* startItem;
    const char* timer;
    const char* stopItem = nullptr;
    int ticks = 0;
};

constexpr Animation animations[] = {
    {"Vickers", "TFormVickers", "StartDown", "TimerDown"},
    {"Brinell", "TFormBrinell", "StartDown", "TimerDown"},
    {"Rockwell", "TFormRockwell", "StartDown", "TimerDown"},
    {"Spannungs-Dehnungs-Kurve, unlegiert", "TFormZug", "StartUn", "TimerUn"},
    {"Spannungs-Dehnungs-Kurve, austenitisch", "TFormZug", "StartCrNi", "TimerCrNi"},
    {"Zugprüfmaschine", "TFormZugma", "Start", "TimerBew"},
    {"Spannungs-Dehnungs-Kurve mit Standardprobe", "TFormZugAnniHoch", "StartZug", "TimerKurve"},
    {"Pendelschlagwerk", "TFormKerbHa", "Start", "TimerHammer1"},
    {"Wöhlerlinie, eine Laststufe", "TFormDauerWoehler", "WeichSp180", "TimerSchwing"},
    {"Belastungsbereiche", "TFormDauer1", "ButtonStart", "TimerSchwing"},
    {"Wechselbiegemaschine, 80 Takte", "TFormDauerWBM", "Start1", "TimerRot", "Stopp1", 80},
    {"Wöhlerkurve, kubisch-raumzentriert", "TFormDauer2", "KubischraumzentrierteSthle1", "TimerKRZ"},
    {"Wöhlerkurve, kubisch-flächenzentriert", "TFormDauer2", "KubischflchenzentrierteSthle1", "TimerKFZ"},
    {"Wöhlerkurve, Ausgangszustand", "TFormDauer3", "KubischraumzentrierteSthle1", "TimerKRZ"},
    {"Wöhlerkurve, Korrosion", "TFormDauer3", "KubischflchenzentrierteSthle1", "TimerKFZ"},
    {"Wöhlerkurve, eigenspannungsfrei", "TFormDauer4", "Frei", "TimerFrei"},
    {"Wöhlerkurve, Zugeigenspannungen", "TFormDauer4", "Zug", "TimerZug"},
    {"Wöhlerkurve, Druckeigenspannungen", "TFormDauer4", "Druck", "TimerDruck"},
};

// The command behind a menu item or a button of a window.
std::function<void()> command(tk::Form* window, const char* name)
{
    if (!name)
        return {};
    const QString objectName = QString::fromLatin1(name);
    if (QAction* item = window->findChild<QAction*>(objectName))
        return [item] { item->trigger(); };
    if (QAbstractButton* button = window->findChild<QAbstractButton*>(objectName))
        return [button] { button->click(); };
    return {};
}

struct Run {
    const Animation* animation;
    tk::Form* window;
    std::function<void()> start;
    tk::Timer* timer;
    std::function<void()> stop;
    int ticked = 0;
    int nominalTicks = 0;
    int ticksRun = 0;
    double exportCost = -1; // ms, saving the drawing halfway through the run
    bool saved = false;
    const char* exportFormat = "";
    qint64 nominal = 0; // ms
    qint64 began = 0;   // ns since the benchmark's start
    double wall = 0;    // ms
    bool ended = false;
    std::vector<double> tickCosts{}; // us, each tick of the nominal pass
};

double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// What a static repaint of every drawing of the window costs, in us.
double repaintCost(tk::Form* window)
{
    window->repaintAll();
    std::vector<double> samples;
    for (int i = 0; i < 15; ++i) {
        QElapsedTimer t;
        t.start();
        window->repaintAll();
        samples.push_back(double(t.nsecsElapsed()) / 1000.0);
    }
    return median(samples);
}

// The nominal timeline: start the animation and tick it through at once,
// adding the interval in force before each tick and timing what each tick
// costs; then close the window, which leaves it ready for the real run.
qint64 nominalTimeline(Run& r)
{
    r.window->showModal();
    // Painted first, as a window is before anyone can start its animation.
    QCoreApplication::processEvents();
    r.start();
    qint64 total = 0;
    int ticks = 0;
    const int limit = r.animation->ticks > 0 ? r.animation->ticks : 100000;
    while (r.timer->isActive() && ticks < limit) {
        total += r.timer->interval();
        QElapsedTimer cost;
        cost.start();
        r.timer->fire();
        r.tickCosts.push_back(double(cost.nsecsElapsed()) / 1000.0);
        ++ticks;
    }
    r.nominalTicks = ticks;
    if (r.stop)
        r.stop();
    r.window->close();
    return total;
}

}

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    app::createWindows();

    std::vector<Run> runs;
    for (const Animation& a : animations) {
        tk::Form* window = app::findWindow(QString::fromLatin1(a.window));
        if (!window)
            continue;
        Run r{&a, window, command(window, a.startItem), window->findChild<tk::Timer*>(QString::fromLatin1(a.timer)),
              command(window, a.stopItem)};
        if (!r.start || !r.timer || (a.stopItem && !r.stop)) {
            std::fprintf(stderr, "bench_timelines: %s has no item %s or timer %s\n", a.window, a.startItem, a.timer);
            return 1;
        }
        r.nominal = nominalTimeline(r);
        runs.push_back(r);
    }

    // One queue per window; the queues run side by side.
    std::map<tk::Form*, std::vector<Run*>> queues;
    for (Run& r : runs)
        queues[r.window].push_back(&r);

    // The windows are shown and painted before any run starts, so that no
    // run's first tick waits for another window's first paint.
    for (auto& [window, queue] : queues)
        window->showModal();
    QCoreApplication::processEvents();

    QElapsedTimer clock;
    clock.start();
    auto begin = [&](Run* r) {
        r->window->showModal();
        r->began = clock.nsecsElapsed();
        r->start();
    };
    // An animation that turns until stopped is stopped after its last tick,
    // as its stop item would be chosen then.
    for (Run& r : runs)
        if (r.stop)
            QObject::connect(r.timer, &QTimer::timeout, r.window, [&r] {
                if (r.began != 0 && !r.ended && ++r.ticked == r.animation->ticks)
                    r.stop();
            });
    // Halfway through, the drawing as it stands is saved (the format changes
    // from run to run), right after the tick that reached the middle.
    QTemporaryDir exports;
    for (Run& r : runs)
        QObject::connect(r.timer, &QTimer::timeout, r.window, [&r, &exports] {
            if (r.began == 0 || r.ended || ++r.ticksRun != std::max(1, r.nominalTicks / 2))
                return;
            // As the save dialog does: the drawing is taken here, the file
            // is written on another thread. The cost shown is what the
            // window's own thread spends.
            QTimer::singleShot(0, r.window, [&r, &exports] {
                QElapsedTimer cost;
                cost.start();
                const tk::ExportedDrawing drawing = r.window->exportedDrawing();
                const QString name = exports.filePath(QString::fromLatin1(r.animation->timer));
                static const std::pair<const char*, tk::ExportFormat> formats[] = {
                    {".png", tk::ExportFormat::Png}, {".pdf", tk::ExportFormat::Pdf}, {".svg", tk::ExportFormat::Svg}};
                static int next = 0;
                const auto& [suffix, format] = formats[next++ % 3];
                r.exportFormat = suffix;
                tk::writeDrawingAside(drawing, name + QString::fromLatin1(suffix), format, r.window,
                                      [&r](const QString& failure) { r.saved = failure.isEmpty(); });
                r.exportCost = double(cost.nsecsElapsed()) / 1e6;
            });
        });
    for (auto& [window, queue] : queues)
        begin(queue.front());

    QTimer watch;
    watch.setTimerType(Qt::PreciseTimer);
    watch.setInterval(1);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        bool all = true;
        for (auto& [window, queue] : queues) {
            for (std::size_t i = 0; i < queue.size(); ++i) {
                Run* r = queue[i];
                if (r->ended || r->began == 0)
                    continue;
                if (r->timer->isActive()) {
                    all = false;
                    break;
                }
                r->wall = double(clock.nsecsElapsed() - r->began) / 1e6;
                r->ended = true;
                window->close();
                if (i + 1 < queue.size()) {
                    begin(queue[i + 1]);
                    all = false;
                }
                break;
            }
            for (Run* r : queue)
                all = all && r->ended;
        }
        if (all || clock.elapsed() > 10 * 60 * 1000)
            QCoreApplication::exit(0);
    });
    watch.start();
    QApplication::exec();
    // The files written last may still be on their way.
    QThreadPool::globalInstance()->waitForDone();
    QCoreApplication::processEvents();

    std::printf("%-42s %10s %10s %8s %14s\n", "animation", "nominal", "measured", "off", "saved halfway");
    int failures = 0;
    for (const Run& r : runs) {
        const double off = r.nominal > 0 ? 100.0 * (r.wall - double(r.nominal)) / double(r.nominal) : 0.0;
        const bool good = r.ended && std::abs(off) <= 1.0 && r.saved;
        failures += good ? 0 : 1;
        std::printf("%-42s %8.2f s %8.2f s %+7.2f %% %4s %6.1f ms%s\n", r.animation->label,
                    double(r.nominal) / 1000.0, r.wall / 1000.0, off, r.exportFormat, r.exportCost,
                    !r.ended ? "  did not end" : !r.saved ? "  not saved" : good ? "" : "  over 1 %");
    }

    // The cost of drawing: each tick well under 1 ms, each static repaint of
    // a whole window under 2 ms.
    std::printf("\n%-42s %12s %12s %14s\n", "animation", "tick median", "tick max", "window repaint");
    for (const Run& r : runs) {
        // The slowest tick, with its number in the run.
        const auto slowest = std::max_element(r.tickCosts.begin(), r.tickCosts.end());
        const double cost = slowest == r.tickCosts.end() ? 0 : *slowest;
        std::printf("%-42s %9.1f us %9.1f us (%ld) %11.1f us\n", r.animation->label, median(r.tickCosts), cost,
                    long(slowest - r.tickCosts.begin()), repaintCost(r.window));
    }
    return failures == 0 ? 0 : 1;
}
