// Start-up benchmark: the time from starting a process to the first painted
// title window with all windows created, against a bare Qt window started the
// same way. Run without arguments; it starts itself as a child process for
// each measurement and prints the medians and their ratio.
#include "app/haupt_form.h"
#include "app/registry.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

// Reports "ready" once the window has painted for the first time.
class FirstPaint : public QObject {
public:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            QTimer::singleShot(0, [] {
                std::puts("ready");
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return false;
    }

private:
    bool m_seen = false;
};

int child(int argc, char* argv[], bool program)
{
    QApplication application(argc, argv);
    FirstPaint probe;
    QWidget bare;
    if (program) {
        app::startProgram();
        FormHaupt->installEventFilter(&probe);
    } else {
        bare.resize(1024, 768);
        bare.setWindowTitle(QStringLiteral("bare"));
        bare.installEventFilter(&probe);
        bare.show();
    }
    return QApplication::exec();
}

// Starts one child and returns the time to its first painted window. A child
// that does not start, does not paint, or does not end cleanly stops the
// benchmark: a ratio measured on crashed children would be meaningless.
double measure(const QString& self, const QString& mode)
{
    QProcess p;
    QElapsedTimer t;
    t.start();
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
    if (!p.waitForReadyRead(30000) || !p.readAllStandardOutput().startsWith("ready"))
        fail("ended or hung before its first paint");
    const double ms = double(t.nsecsElapsed()) / 1e6;
    if (!p.waitForFinished(30000))
        fail("did not end");
    if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        fail("crashed or failed");
    return ms;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

}

int main(int argc, char* argv[])
{
    if (argc > 1 && (qstrcmp(argv[1], "program") == 0 || qstrcmp(argv[1], "bare") == 0))
        return child(argc, argv, qstrcmp(argv[1], "program") == 0);

    QCoreApplication driver(argc, argv);
    const QString self = QCoreApplication::applicationFilePath();
    const int runs = argc > 1 ? std::max(3, atoi(argv[1])) : 15;
    std::vector<double> program, bare;
    measure(self, QStringLiteral("program")); // warm the file cache
    for (int i = 0; i < runs; ++i) {
        bare.push_back(measure(self, QStringLiteral("bare")));
        program.push_back(measure(self, QStringLiteral("program")));
    }
    const double mp = median(program), mb = median(bare);
    std::printf("bare Qt window:  median %.1f ms\nprogram:         median %.1f ms\nratio:           %.2f\n", mb,
                mp, mp / mb);
    return 0;
}
