// The bare window the start-up benchmark sets the program against: a Qt
// Widgets main window of the screen's size with a menu bar, a text and a
// status bar, what any desktop program shows at the least, in a process of
// its own that links nothing but Qt Widgets.
//   bench_bare_window [--mark]
// With --mark it prints the phases of its start-up as the program's
// benchmark child does ("main", "application", "title" and "painted" when
// its first painting ends; ms on the clock of measure.h): for runs where no
// X server can be watched, and for the phase table. Without it the window
// starts as plainly as it can.
#include "paint_end.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>

int main(int argc, char* argv[])
{
    const bool marks = argc > 1 && qstrcmp(argv[1], "--mark") == 0;
    const auto markNow = [marks](const char* phase) {
        if (marks)
            bench::mark(phase, bench::now());
    };
    markNow("main");
    QApplication application(argc, argv);
    markNow("application");
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Mechanische Werkstoffprüfung"));
    QMenu* file = window.menuBar()->addMenu(QStringLiteral("&Datei"));
    file->addAction(QStringLiteral("Hintergrundfarbe"));
    file->addAction(QStringLiteral("&Beenden"), &window, &QWidget::close);
    window.menuBar()->addAction(QStringLiteral("&Einleitung "));
    window.menuBar()->addAction(QStringLiteral("&Information"));
    auto* text = new QLabel(QStringLiteral("Mechanische Werkstoffprüfung"));
    text->setAlignment(Qt::AlignCenter);
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    font.setPixelSize(32);
    text->setFont(font);
    window.setCentralWidget(text);
    window.statusBar()->showMessage(QStringLiteral("ESC = Abbruch"));
    window.setGeometry(QGuiApplication::primaryScreen()->geometry());

    std::unique_ptr<bench::PaintEnd> watcher;
    if (marks)
        watcher = std::make_unique<bench::PaintEnd>(&window, [&watcher](double t) {
            bench::mark("painted", t);
            watcher.release()->deleteLater();
        });
    window.show();
    markNow("title");
    return QApplication::exec();
}
