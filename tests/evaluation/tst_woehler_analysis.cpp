#include "common/test_main.h"

#include "evaluation/woehler_analysis.h"

#include <cmath>
#include <vector>

using evaluation::FatigueSpecimen;
using evaluation::FiniteLifeLine;
using evaluation::fitFiniteLifeLine;

namespace {

using Specimens = std::vector<FatigueSpecimen>;

// N = 2·10^5·(σa/300 MPa)^−k, with lg N shifted by the given offsets.
Specimens onLine(double k, std::vector<double> stresses, std::vector<double> lgOffsets = {})
{
    Specimens s;
    for (size_t i = 0; i < stresses.size(); ++i) {
        const double lg = std::log10(2e5) - k * std::log10(stresses[i] / 300) + (i < lgOffsets.size() ? lgOffsets[i] : 0);
        s.push_back({stresses[i], std::pow(10.0, lg), false, false});
    }
    return s;
}

}

Q_DECLARE_METATYPE(Specimens)

class WoehlerAnalysisTest : public QObject {
    Q_OBJECT
private slots:
    void findsTheLineOfFracturesWithoutScatter_data()
    {
        QTest::addColumn<double>("k");
        QTest::addColumn<Specimens>("extra");  // must not move the line
        QTest::newRow("k 5, fractures only") << 5.0 << Specimens{};
        QTest::newRow("k 8 with run-outs far off the line")
            << 8.0 << Specimens{{200, 1e7, true, false}, {220, 1e7, true, false}, {400, 1e7, true, false}};
        QTest::newRow("k 12 with a staircase below")
            << 12.0 << Specimens{{180, 3e5, false, true}, {170, 1e7, true, true}, {180, 1e7, true, true}};
    }
    void findsTheLineOfFracturesWithoutScatter()
    {
        QFETCH(double, k);
        QFETCH(Specimens, extra);
        Specimens s = onLine(k, {250, 250, 300, 350, 350, 400});
        s.insert(s.begin() + 2, extra.begin(), extra.end());
        const auto line = fitFiniteLifeLine(s);
        QVERIFY2(line.has_value(), qPrintable(line.reason()));
        QVERIFY(std::abs(line->slope.value - k) < 1e-9);
        QCOMPARE(line->failures, 6);
        QCOMPARE(line->degreesOfFreedom, 4);
        QVERIFY(line->scatter < 1e-9);
        QVERIFY(std::abs(line->cyclesAt(300) / 2e5 - 1) < 1e-9);
        QVERIFY(std::abs(line->stressAt(2e5) - 300) < 1e-7);
        // σ0 is the geometric mean of the fractures' amplitudes.
        QVERIFY(std::abs(line->referenceStress - std::pow(250.0 * 250 * 300 * 350 * 350 * 400, 1.0 / 6)) < 1e-9);
        QVERIFY(std::abs(line->cycles() - line->cyclesAt(line->referenceStress)) < 1e-6 * line->cycles());
    }

    void drawsTheLinesOfTenAndNinetyPercent()
    {
        // Offsets of ±0,1 in lg N about a line of k 6, in pairs on each level, so
        // the fit keeps the line: s = √(6·0,01/(6 − 2)).
        const auto line = fitFiniteLifeLine(onLine(6, {250, 250, 400, 400, 320, 320}, {0.1, -0.1, 0.1, -0.1, 0.1, -0.1}));
        QVERIFY(line.has_value());
        const double u = 1.2815515655;
        QVERIFY(std::abs(evaluation::failureQuantile90() - u) < 1e-9);
        QVERIFY(std::abs(line->scatter - std::sqrt(6 * 0.01 / 4)) < 1e-12);
        for (double stress : {200.0, 300.0, 450.0}) {
            QVERIFY(std::abs(line->logCyclesAt(stress, 0.1) - (line->logCyclesAt(stress) - u * line->scatter)) < 1e-9);
            QVERIFY(std::abs(line->logCyclesAt(stress, 0.9) - (line->logCyclesAt(stress) + u * line->scatter)) < 1e-9);
            QVERIFY(std::abs(line->cyclesAt(stress, 0.9) / line->cyclesAt(stress, 0.1) - line->scatterRange()) < 1e-9);
            // The 10 % line reaches a given N at a lower stress than the 50 % line.
            QVERIFY(line->stressAt(1e5, 0.1) < line->stressAt(1e5) && line->stressAt(1e5) < line->stressAt(1e5, 0.9));
            QVERIFY(std::abs(line->logCyclesAt(line->stressAt(1e5, 0.9), 0.9) - 5) < 1e-9);
        }
        QVERIFY(std::abs(line->scatterRange() - std::pow(10.0, 2 * u * line->scatter)) < 1e-9);
        // The standard error of the slope from the spread of lg σa: s/√Σ(x − x̄)².
        double mean = 0, sxx = 0;
        for (double x : {250.0, 250.0, 400.0, 400.0, 320.0, 320.0})
            mean += std::log10(x) / 6;
        for (double x : {250.0, 250.0, 400.0, 400.0, 320.0, 320.0})
            sxx += (std::log10(x) - mean) * (std::log10(x) - mean);
        QVERIFY(std::abs(line->slope.standardError - line->scatter / std::sqrt(sxx)) < 1e-9);
        QVERIFY(std::abs(line->logCycles.standardError - line->scatter / std::sqrt(6.0)) < 1e-12);
    }

    void refusesFracturesThatCarryNoLine_data()
    {
        QTest::addColumn<Specimens>("specimens");
        QTest::addColumn<QString>("reasonPart");
        QTest::newRow("two fractures and run-outs")
            << Specimens{{300, 1e5, false, false}, {250, 5e5, false, false}, {200, 1e7, true, false},
                         {260, 2e5, false, true}}
            << QStringLiteral("(vorhanden: 2)");
        QTest::newRow("one level") << onLine(5, {300, 300, 300, 300}, {0.1, -0.1, 0.2, 0})
                                   << QStringLiteral("einer Spannungsamplitude");
        QTest::newRow("rising") << onLine(-4, {250, 300, 350}) << QStringLiteral("fällt nicht");
        QTest::newRow("nothing") << Specimens{} << QStringLiteral("(vorhanden: 0)");
    }
    void refusesFracturesThatCarryNoLine()
    {
        QFETCH(Specimens, specimens);
        QFETCH(QString, reasonPart);
        const auto line = fitFiniteLifeLine(specimens);
        QVERIFY(!line.has_value());
        QVERIFY2(line.reason().contains(reasonPart), qPrintable(line.reason()));
    }
};

REGISTER_TEST(WoehlerAnalysisTest)
#include "tst_woehler_analysis.moc"
