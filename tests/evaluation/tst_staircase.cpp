#include "common/test_main.h"

#include "evaluation/staircase.h"

#include <cmath>
#include <vector>

using evaluation::StaircaseResult;
using evaluation::StaircaseTest;
using evaluation::evaluateStaircase;

namespace {

using Tests = std::vector<StaircaseTest>;

struct Level {
    double stress;
    int fractures;
    int runOuts;
};

Tests staircase(std::initializer_list<Level> levels)
{
    Tests tests;
    for (const Level& l : levels) {
        for (int i = 0; i < l.fractures; ++i)
            tests.push_back({l.stress, false});
        for (int i = 0; i < l.runOuts; ++i)
            tests.push_back({l.stress, true});
    }
    return tests;
}

}

Q_DECLARE_METATYPE(Tests)
Q_DECLARE_METATYPE(StaircaseResult::Event)

class StaircaseEvaluationTest : public QObject {
    Q_OBJECT
private slots:
    void countsTheLessFrequentEvent_data()
    {
        QTest::addColumn<Tests>("tests");
        QTest::addColumn<StaircaseResult::Event>("event");
        QTest::addColumn<double>("lowestLevel");
        QTest::addColumn<QList<int>>("nab");
        QTest::addColumn<double>("mean");
        QTest::addColumn<double>("deviation");  // 0: not determined
        QTest::addColumn<double>("step");
        // Fractures 8, run-outs 9: fractures counted from 210 MPa (i = 0..2
        // with 3, 4, 1): N 8, A 6, B 8; mean 210 + 10·(6/8 − 1/2) = 212,5;
        // (N·B − A²)/N² = 28/64; s = 16,2·(0,4375 + 0,029).
        QTest::newRow("fractures rarer")
            << staircase({{230, 1, 0}, {220, 4, 1}, {210, 3, 5}, {200, 0, 3}}) << StaircaseResult::Event::Fracture
            << 210.0 << QList<int>{8, 6, 8} << 212.5 << 16.2 * (28.0 / 64 + 0.029) << 10.0;
        // Fractures 9, run-outs 8: run-outs counted from 200 MPa (3, 4, 1),
        // mean 200 + 10·(6/8 + 1/2).
        QTest::newRow("run-outs rarer")
            << staircase({{230, 2, 0}, {220, 4, 1}, {210, 3, 4}, {200, 0, 3}}) << StaircaseResult::Event::RunOut
            << 200.0 << QList<int>{8, 6, 8} << 212.5 << 16.2 * (28.0 / 64 + 0.029) << 10.0;
        // Equally frequent: fractures. Step 20, lowest fracture at 340.
        QTest::newRow("a tie counts the fractures")
            << staircase({{380, 1, 0}, {360, 2, 1}, {340, 2, 3}, {320, 0, 1}}) << StaircaseResult::Event::Fracture
            << 340.0 << QList<int>{5, 4, 6} << 340 + 20 * (4.0 / 5 - 0.5) << 1.62 * 20 * (14.0 / 25 + 0.029) << 20.0;
        // All counted events on one level: (N·B − A²)/N² = 0, no deviation.
        QTest::newRow("too little spread for a deviation")
            << staircase({{210, 3, 0}, {200, 0, 3}}) << StaircaseResult::Event::Fracture << 210.0
            << QList<int>{3, 0, 0} << 205.0 << 0.0 << 10.0;
        // N 10, A 5, B 5: (50 − 25)/100 = 0,25, below the 0,3 needed.
        QTest::newRow("spread index 0,25")
            << staircase({{210, 5, 0}, {200, 5, 6}, {190, 0, 5}}) << StaircaseResult::Event::Fracture << 200.0
            << QList<int>{10, 5, 5} << 200 + 10 * (0.5 - 0.5) << 0.0 << 10.0;
    }
    void countsTheLessFrequentEvent()
    {
        QFETCH(Tests, tests);
        QFETCH(StaircaseResult::Event, event);
        QFETCH(double, lowestLevel);
        QFETCH(QList<int>, nab);
        QFETCH(double, mean);
        QFETCH(double, deviation);
        QFETCH(double, step);
        const auto r = evaluateStaircase(tests, step);
        QVERIFY2(r.has_value(), qPrintable(r.reason()));
        QCOMPARE(r->countedEvent, event);
        QCOMPARE(r->lowestLevel, lowestLevel);
        QCOMPARE((QList<int>{r->events, r->sumA, r->sumB}), nab);
        QVERIFY(std::abs(r->mean - mean) < 1e-9);
        QCOMPARE(r->specimens, int(tests.size()));
        if (deviation > 0) {
            QVERIFY(r->standardDeviation.has_value());
            QVERIFY(std::abs(*r->standardDeviation - deviation) < 1e-9);
            const auto m = r->meanEstimate();
            QVERIFY(m.has_value());
            QVERIFY(std::abs(m->standardError - deviation / std::sqrt(double(nab[0]))) < 1e-9);
            // The effective degrees of freedom of s_D: at least one, and
            // below those of N measured values.
            QVERIFY(m->degreesOfFreedom >= 1 && m->degreesOfFreedom < nab[0] - 1);
        } else {
            QVERIFY(!r->standardDeviation.has_value());
            QVERIFY2(r->standardDeviation.reason().contains("nicht größer als 0,3"),
                     qPrintable(r->standardDeviation.reason()));
            QVERIFY(!r->meanEstimate().has_value());
        }
    }

    void theOrderOfTheTestsDoesNotMatter()
    {
        Tests tests = staircase({{230, 1, 0}, {220, 4, 1}, {210, 3, 5}, {200, 0, 3}});
        const double before = evaluateStaircase(tests, 10)->mean;
        std::reverse(tests.begin(), tests.end());
        std::rotate(tests.begin(), tests.begin() + 5, tests.end());
        QCOMPARE(evaluateStaircase(tests, 10)->mean, before);
    }

    void refusesWhatIsNoStaircase_data()
    {
        QTest::addColumn<Tests>("tests");
        QTest::addColumn<double>("step");
        QTest::addColumn<QString>("reasonPart");
        QTest::newRow("empty") << Tests{} << 10.0 << QStringLiteral("Keine Probe");
        QTest::newRow("no step") << staircase({{210, 1, 1}}) << 0.0 << QStringLiteral("Stufenweite");
        QTest::newRow("negative step") << staircase({{210, 1, 1}}) << -5.0 << QStringLiteral("Stufenweite");
        QTest::newRow("only fractures") << staircase({{210, 2, 0}, {200, 3, 0}}) << 10.0
                                        << QStringLiteral("jede Probe gebrochen");
        QTest::newRow("only run-outs") << staircase({{210, 0, 2}, {200, 0, 3}}) << 10.0
                                       << QStringLiteral("keine Probe gebrochen");
        QTest::newRow("off the grid") << Tests{{200, true}, {210, false}, {214, true}} << 10.0
                                      << QStringLiteral("214 MPa liegt nicht auf einer Stufe");
        QTest::newRow("not a number") << Tests{{200, true}, {qQNaN(), false}} << 10.0
                                      << QStringLiteral("keine gültige");
    }
    void refusesWhatIsNoStaircase()
    {
        QFETCH(Tests, tests);
        QFETCH(double, step);
        QFETCH(QString, reasonPart);
        const auto r = evaluateStaircase(tests, step);
        QVERIFY(!r.has_value());
        QVERIFY2(r.reason().contains(reasonPart), qPrintable(r.reason()));
    }

    void toleratesRoundingOfTheLevels()
    {
        // Levels typed with a rounding error of a few thousandths of a step.
        const Tests tests{{200.0, true}, {210.04, false}, {199.98, true}, {209.97, true}, {220.02, false}};
        const auto r = evaluateStaircase(tests, 10);
        QVERIFY2(r.has_value(), qPrintable(r.reason()));
        QCOMPARE(r->countedEvent, StaircaseResult::Event::Fracture);
        QCOMPARE((QList<int>{r->events, r->sumA, r->sumB}), (QList<int>{2, 1, 1}));
    }
};

REGISTER_TEST(StaircaseEvaluationTest)
#include "tst_staircase.moc"
