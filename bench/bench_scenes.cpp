// Runs the registered drawing benchmarks: bench_scenes [REPETITIONS]
#include "bench.h"

#include "toolkit/screen.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLocale>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace bench {
namespace {
std::vector<std::pair<const char*, Work>>& works()
{
    static std::vector<std::pair<const char*, Work>> w;
    return w;
}
}
Registrar::Registrar(const char* name, Work work) { works().emplace_back(name, std::move(work)); }
}

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    tk::setScreenSize(QSize(1024, 768));
    const int repetitions = argc > 1 ? std::max(1, atoi(argv[1])) : 200;

    for (const auto& [name, work] : bench::works()) {
        work(1); // warm up caches (fonts, glyphs)
        std::vector<double> samples;
        for (int round = 0; round < 7; ++round) {
            QElapsedTimer t;
            t.start();
            work(repetitions);
            samples.push_back(double(t.nsecsElapsed()) / 1000.0 / repetitions);
        }
        std::sort(samples.begin(), samples.end());
        std::printf("%-48s median %9.2f us\n", name, samples[samples.size() / 2]);
    }
    return 0;
}
