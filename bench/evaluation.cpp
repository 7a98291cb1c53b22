// The tensile evaluation's accuracy on curves with known values, and how long
// a machine file of a million rows takes to read:
//   bench_evaluation [SEEDS]
// Prints, for each model and seed, the known and the found values with their
// differences against the promised tolerances (E 1 %, Rp0,2 and Rm 0,5 %,
// ReH and ReL 1 %, Ag 0,5 and A 0,3 percentage points), then the median load
// time of 10^6 rows over five runs.
#include "evaluation/machine_file_reader.h"
#include "evaluation/synthetic_tensile_curve.h"
#include "evaluation/tensile_evaluation.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

using namespace evaluation;
using Q = TensileQuantity;

namespace {

bool allWithin = true;

void row(const char* name, double known, double found, double difference, double tolerance, const char* unit)
{
    const bool ok = std::abs(difference) <= tolerance;
    allWithin = allWithin && ok;
    std::printf("  %-6s %10.2f %10.2f %+9.3f %-3s (≤ %.2f %-3s) %s\n", name, known, found, difference, unit, tolerance,
                unit, ok ? "ok" : "OUTSIDE");
}

double value(const TensileResult& r, Q q) { return r[q] ? r[q]->value : std::nan(""); }

void report(const char* title, const SyntheticTest& t)
{
    const TensileResult r = evaluateTensileTest(t.specimen, &t.record);
    std::printf("%s (%zu samples)\n  %-6s %10s %10s %13s\n", title, t.record.size(), "", "known", "found",
                "difference");
    const double E = value(r, Q::ElasticSlope) * 1000;
    row("E", t.known.E / 1000, E / 1000, (E / t.known.E - 1) * 100, 1.0, "%");
    if (t.known.Rp02 > 0) {
        row("Rp0,2", t.known.Rp02, value(r, Q::ProofStrength), (value(r, Q::ProofStrength) / t.known.Rp02 - 1) * 100,
            0.5, "%");
    } else {
        row("ReH", t.known.ReH, value(r, Q::UpperYieldStrength),
            (value(r, Q::UpperYieldStrength) / t.known.ReH - 1) * 100, 1.0, "%");
        row("ReL", t.known.ReL, value(r, Q::LowerYieldStrength),
            (value(r, Q::LowerYieldStrength) / t.known.ReL - 1) * 100, 1.0, "%");
    }
    row("Rm", t.known.Rm, value(r, Q::TensileStrength), (value(r, Q::TensileStrength) / t.known.Rm - 1) * 100, 0.5,
        "%");
    row("Ag", t.known.Ag, value(r, Q::PlasticExtensionAtMaxForce),
        value(r, Q::PlasticExtensionAtMaxForce) - t.known.Ag, 0.5, "pp");
    row("A", t.known.A, value(r, Q::ElongationAfterFracture), value(r, Q::ElongationAfterFracture) - t.known.A, 0.3,
        "pp");
}

QByteArray machineFile(const TestRecord& r)
{
    QByteArray text = "Prüfmaschine;Z100\nProbe;B1\nDurchmesser;10,00;mm\n\nZeit [s];Kraft [kN];Verlängerung [mm]\n";
    text.reserve(qsizetype(r.size()) * 32);
    char line[96];
    for (size_t i = 0; i < r.size(); ++i) {
        const int n = std::snprintf(line, sizeof line, "%.3f;%.5f;%.5f\n", r.time[i], r.load[i] / 1000,
                                    r.deformation[i]);
        for (int k = 0; k < n; ++k)
            if (line[k] == '.')
                line[k] = ',';
        text.append(line, n);
    }
    return text;
}

}

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const int seeds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;

    std::printf("Accuracy on curves with known values (force noise 0.2 %% of Rm)\n\n");
    for (int seed = 1; seed <= seeds; ++seed) {
        const SamplingPlan small{250, 2000, 0.002, std::uint64_t(seed)};
        const SamplingPlan large{1000, 8000, 0.002, std::uint64_t(seed)};
        std::printf("== seed %d\n", seed);
        report("Ramberg-Osgood, aluminium-like (E 70 GPa, Rp0,2 280 MPa, n 25)", syntheticTest(ContinuousYieldingModel{}, small));
        report("Ramberg-Osgood, aluminium-like", syntheticTest(ContinuousYieldingModel{}, large));
        report("Ramberg-Osgood, quenched steel (E 210 GPa, Rp0,2 520 MPa, n 18)",
               syntheticTest(ContinuousYieldingModel{210000, 520, 18, 9, 18}, small));
        report("Yield plateau, S355-like (ReH 390 MPa, ReL 360 MPa)", syntheticTest(DiscontinuousYieldingModel{}, small));
        report("Yield plateau, S355-like", syntheticTest(DiscontinuousYieldingModel{}, large));
    }
    std::printf("\nAll values within tolerance: %s\n\n", allWithin ? "yes" : "NO");

    // Load time: a machine export of a million rows (1 kHz for about 17 minutes).
    const SyntheticTest big = syntheticTest(DiscontinuousYieldingModel{}, {100000, 1000000, 0.002, 1});
    QTemporaryDir dir;
    const QString path = dir.filePath("million.csv");
    {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(machineFile(big.record)) < 0) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    std::vector<double> inspect, read, evaluate;
    size_t rows = 0;
    for (int run = 0; run < 5; ++run) {
        QElapsedTimer timer;
        timer.start();
        const MachineFileInspection i = inspectMachineFile(path);
        inspect.push_back(timer.nsecsElapsed() / 1e6);
        timer.restart();
        const MachineFileReading r = readMachineFile(path, *i.layout, i.columns);
        read.push_back(timer.nsecsElapsed() / 1e6);
        if (!r.record) {
            std::fprintf(stderr, "%s\n", qPrintable(r.error));
            return 1;
        }
        rows = r.record->size();
        timer.restart();
        const TensileResult result = evaluateTensileTest(big.specimen, &*r.record);
        evaluate.push_back(timer.nsecsElapsed() / 1e6);
    }
    auto median = [](std::vector<double> v) {
        std::sort(v.begin(), v.end());
        return v[v.size() / 2];
    };
    std::printf("Load time of %zu rows (%.1f MB), median of 5 runs:\n", rows, QFileInfo(path).size() / 1e6);
    std::printf("  layout guess      %8.1f ms\n", median(inspect));
    std::printf("  reading (mapped)  %8.1f ms  (with the file's BLAKE2b checksum)\n", median(read));
    std::printf("  together          %8.1f ms\n", median(inspect) + median(read));
    std::printf("  evaluation        %8.1f ms\n", median(evaluate));
    return allWithin ? 0 : 1;
}
