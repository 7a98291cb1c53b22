// Renders windows of the program to PNG files, for looking at them beside
// their layouts and for the screenshots of the README and software centres:
//   render_windows [--lang de|en] OUTDIR [WINDOW...]
// renders every created window when none is named, in German unless --lang
// names the language. A WINDOW is a class name,
// optionally followed by what to do before the picture is taken and the
// file's name:
//   CLASS[+ITEM...][=NAME]
// Each +ITEM triggers the window's menu item or clicks its button of that
// object name, then lets the window's timers run until they stop (a run of
// an animation to its end). The picture goes to OUTDIR/NAME.png (default:
// OUTDIR/CLASS.png). The screen is taken as 1024 x 768.
#include "app/registry.h"
#include "toolkit/form.h"
#include "toolkit/language.h"
#include "toolkit/program_style.h"
#include "toolkit/screen.h"
#include "toolkit/timer.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QPixmap>

#include <cstdio>

namespace {

// Ticks the window's running timers until none runs; an animation that
// never ends stops after this many ticks.
constexpr int maxTicks = 20000;

void runTimers(tk::Form* form)
{
    for (int n = 0; n < maxTicks; ++n) {
        bool running = false;
        for (tk::Timer* timer : form->findChildren<tk::Timer*>()) {
            if (timer->isActive()) {
                timer->fire();
                running = true;
            }
        }
        if (!running)
            return;
    }
}

bool activate(tk::Form* form, const QString& item)
{
    if (QAction* action = form->findChild<QAction*>(item)) {
        if (!action->isEnabled())
            return false;
        action->trigger();
    } else if (QAbstractButton* button = form->findChild<QAbstractButton*>(item)) {
        if (!button->isEnabled())
            return false;
        button->click();
    } else {
        return false;
    }
    QApplication::processEvents();
    runTimers(form);
    QApplication::processEvents();
    return true;
}

}

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    tk::useProgramStyle(); // as the program draws
    QStringList arguments = QApplication::arguments().mid(1);
    tk::Language language = tk::Language::German;
    if (arguments.size() >= 2 && arguments.first() == QLatin1String("--lang")) {
        const auto chosen = tk::languageOfCode(arguments.at(1));
        if (!chosen) {
            std::fprintf(stderr, "render_windows: unknown language %s (known: de, en)\n", qPrintable(arguments.at(1)));
            return 2;
        }
        language = *chosen;
        arguments.remove(0, 2);
    }
    if (!tk::setInterfaceLanguage(language) && language != tk::Language::German) {
        std::fprintf(stderr, "render_windows: the English translation did not load\n");
        return 2;
    }
    // An option it does not know (--help among them) is not an output folder.
    if (!arguments.isEmpty() && arguments.first().startsWith(QLatin1Char('-'))) {
        std::fprintf(stderr, "usage: render_windows [--lang de|en] OUTDIR [CLASS[+ITEM...][=NAME]...]\n");
        return arguments.first() == QLatin1String("--help") ? 0 : 2;
    }
    tk::setScreenSize(QSize(1024, 768));
    app::createWindows();

    const QString out = arguments.isEmpty() ? QStringLiteral(".") : arguments.first();
    QDir().mkpath(out);
    QStringList requests = arguments.mid(1);
    if (requests.isEmpty())
        requests = app::createdWindows();

    int status = 0;
    for (const QString& request : requests) {
        const QString name = request.section(QChar('='), 1);
        const QStringList steps = request.section(QChar('='), 0, 0).split(QChar('+'));
        tk::Form* form = app::findWindow(steps.first());
        if (!form) {
            std::fprintf(stderr, "render_windows: no window %s\n", qPrintable(steps.first()));
            status = 1;
            continue;
        }
        form->show();
        QApplication::processEvents();
        for (const QString& item : steps.mid(1)) {
            if (!activate(form, item)) {
                std::fprintf(stderr, "render_windows: %s has no enabled item %s\n", qPrintable(steps.first()),
                             qPrintable(item));
                status = 1;
            }
        }
        const QString file = out + QChar('/') + (name.isEmpty() ? steps.first() : name) + QStringLiteral(".png");
        if (!form->grab().save(file)) {
            std::fprintf(stderr, "render_windows: cannot write %s\n", qPrintable(file));
            status = 1;
        }
        form->hide();
    }
    return status;
}
