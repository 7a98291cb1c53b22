#include "window_tour.h"
#include "measure.h"
#include "paint_end.h"
#include "screen_watch.h"

#include "app/hub_form.h"
#include "app/registry.h"
#include "app/title_form.h"
#include "evaluation_windows/window_kinds.h"
#include "toolkit/form.h"
#include "toolkit/screen.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QSet>
#include <QTimer>
#include <functional>
#include <memory>
#include <thread>

namespace bench {

void beforeApplication()
{
    tk::settleScaleFactor();
}

void startProgram()
{
    app::prepareApplication(QStringLiteral("de"));
    app::startProgram();
}

bool waitForAllWindows(int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    const auto all = [] {
        for (const QString& name : app::windowOrder())
            if (app::isBuilt(name) && !app::findWindow(name))
                return false;
        return true;
    };
    while (!all() && clock.elapsed() < timeoutMs)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    return all();
}

namespace {

QSet<const QWidget*> visibleWindows()
{
    QSet<const QWidget*> shown;
    for (const QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible())
            shown.insert(w);
    return shown;
}

struct Opening {
    double painted = -1; // ms to the end of its first painting (-1: not within 5 s)
    double pixels = -1;  // ms to its first pixels on the screen (-1: not watched or seen)
    QWidget* window = nullptr;
};

// Opens a window by `open` and times it. With `watch`, a thread waits for
// the window's pixels on the screen, an area of at least 40 % of the window
// drawn in one piece, while the event loop paints it.
Opening timeOpening(const std::function<void()>& open, ScreenWatch* watch)
{
    const QSet<const QWidget*> before = visibleWindows();
    QEventLoop loop;
    double end = -1;
    const QWidget* opened = nullptr;
    PaintEnd watcher([&before](const QWidget* w) { return w && w->isVisible() && !before.contains(w); },
                     [&](double t) {
                         if (end < 0) {
                             end = t;
                             loop.quit();
                         }
                     });
    QTimer::singleShot(5000, &loop, &QEventLoop::quit);
    if (watch)
        watch->settle(50); // what closing the last window drew
    const double start = now();
    open();
    for (const QWidget* w : visibleWindows())
        if (!before.contains(w))
            opened = w;
    // The window's frame and size are set by now; its painting comes with
    // the event loop, and its pixels after that.
    double seen = -1;
    std::thread watching;
    if (watch && opened) {
        const long area = long(opened->width()) * opened->height() * 4 / 10;
        watching = std::thread([watch, area, &seen] { seen = watch->waitForArea(area, 3000); });
    }
    if (end < 0)
        loop.exec();
    if (watching.joinable())
        watching.join();
    return {end < 0 ? -1 : end - start, seen < 0 ? -1 : seen - start, const_cast<QWidget*>(opened)};
}

struct Opener {
    QString window;
    std::function<void()> open;
};

// The hub first, then what its menu opens, then the windows other windows
// open, each as the program opens it.
std::vector<Opener> openers()
{
    std::vector<Opener> list;
    const auto trigger = [](QObject* owner, const char* item) {
        return [owner, name = QString::fromLatin1(item)] {
            if (QAction* action = owner->findChild<QAction*>(name))
                action->trigger();
        };
    };
    list.push_back({QStringLiteral("TFormMPUeber"), trigger(FormHaupt, "bersicht1")});
    QSet<QString> opened{QStringLiteral("TFormHaupt"), QStringLiteral("TFormMPUeber")};
    for (const auto& menu : TFormMPUeber::topicMenus())
        for (const auto& topic : menu.topics)
            if (topic.window && topic.window()) {
                list.push_back({topic.window()->className(), trigger(FormMPUeber, topic.item)});
                opened.insert(topic.window()->className());
            }
    for (const auto& kind : evaluation::windows::evaluationWindowKinds())
        list.push_back({QString::fromLatin1(kind.itemName), trigger(FormMPUeber, kind.itemName)});
    for (tk::Form* form : app::windows())
        if (!opened.contains(form->className()))
            list.push_back({form->className(), [form] { form->showModal(); }});
    return list;
}

}

std::vector<Showing> tourWindows(int showings, bool watchScreen)
{
    std::unique_ptr<ScreenWatch> watch;
    if (watchScreen) {
        watch = std::make_unique<ScreenWatch>();
        if (!watch->watching())
            watch.reset();
    }
    const std::vector<Opener> list = openers();
    std::vector<Showing> result;
    for (const Opener& o : list)
        result.push_back({o.window});
    for (int round = 0; round < showings; ++round) {
        QWidget* hub = nullptr;
        for (std::size_t i = 0; i < list.size(); ++i) {
            const auto [ms, pixels, window] = timeOpening(list[i].open, round == 0 ? watch.get() : nullptr);
            (round == 0 ? result[i].first : result[i].second) = ms;
            if (round == 0)
                result[i].firstPixels = pixels;
            if (i == 0) {
                hub = window; // stays open: its menu opens the topics
                continue;
            }
            if (window)
                window->close();
            QApplication::processEvents();
        }
        if (hub)
            hub->close();
        QApplication::processEvents();
    }
    return result;
}

}
