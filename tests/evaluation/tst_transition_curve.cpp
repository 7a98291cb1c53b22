#include "common/test_main.h"

#include "evaluation/transition_curve.h"

#include <cmath>
#include <vector>

using evaluation::TransitionCurve;
using evaluation::TransitionFitOptions;
using evaluation::TransitionPoint;
using evaluation::fitTransitionCurve;

namespace {

using Points = std::vector<TransitionPoint>;

double tanhCurve(double ls, double us, double tm, double c, double t)
{
    return ls + (us - ls) * (1 + std::tanh((t - tm) / c)) / 2;
}

Points sampled(double ls, double us, double tm, double c, std::vector<double> temperatures,
               std::vector<double> noise = {})
{
    Points p;
    for (size_t i = 0; i < temperatures.size(); ++i)
        p.push_back({temperatures[i], tanhCurve(ls, us, tm, c, temperatures[i]) + (i < noise.size() ? noise[i] : 0)});
    return p;
}

const std::vector<double> eightTemperatures{-80, -60, -40, -20, 0, 20, 40, 60};
// A fixed pattern of deviations, so that the residual variance is not zero.
const std::vector<double> wobble{1.5, -2.0, 0.8, 2.4, -1.7, -0.6, 1.9, -1.2, 0.4, -0.9};

}

Q_DECLARE_METATYPE(Points)
Q_DECLARE_METATYPE(TransitionFitOptions)

class TransitionCurveTest : public QObject {
    Q_OBJECT
private slots:
    void findsTheParametersOfACurveWithoutScatter_data()
    {
        QTest::addColumn<Points>("points");
        QTest::addColumn<TransitionFitOptions>("options");
        QTest::addColumn<int>("freeParameters");
        const auto curve = [](double tm, double c) { return sampled(3, 180, tm, c, eightTemperatures); };
        QTest::newRow("both shelves free") << curve(-20, 25) << TransitionFitOptions{} << 4;
        QTest::newRow("lower shelf fixed") << curve(-10, 20) << TransitionFitOptions{3.0, {}} << 3;
        QTest::newRow("upper shelf fixed") << curve(-30, 30) << TransitionFitOptions{{}, 180.0} << 3;
        QTest::newRow("both fixed") << curve(5, 15) << TransitionFitOptions{3.0, 180.0} << 2;
        QTest::newRow("steep, between two points") << curve(-15, 8) << TransitionFitOptions{} << 4;
    }
    void findsTheParametersOfACurveWithoutScatter()
    {
        QFETCH(Points, points);
        QFETCH(TransitionFitOptions, options);
        QFETCH(int, freeParameters);
        const auto fit = fitTransitionCurve(points, options);
        QVERIFY2(fit.has_value(), qPrintable(fit.reason()));
        for (const auto& p : points)
            QVERIFY(std::abs(fit->valueAt(p.temperature) - p.value) < 1e-6);
        QCOMPARE(fit->lowerShelf.value, 3.0);
        QVERIFY(std::abs(fit->upperShelf.value - 180) < 1e-6);
        QCOMPARE(fit->degreesOfFreedom, int(points.size()) - freeParameters);
        QCOMPARE(fit->lowerShelf.fixed(), options.lowerShelf.has_value());
        QCOMPARE(fit->upperShelf.fixed(), options.upperShelf.has_value());
        QVERIFY(fit->residualStandardDeviation < 1e-6);
    }

    void readsTemperaturesOffTheCurve_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<bool>("determined");
        QTest::addColumn<QString>("reasonPart");
        QTest::newRow("27 J") << 27.0 << true << QString();
        QTest::newRow("half the step") << 91.5 << true << QString();
        QTest::newRow("just above the lower shelf") << 3.5 << true << QString();
        QTest::newRow("on the lower shelf") << 3.0 << false << QStringLiteral("Tieflage");
        QTest::newRow("below it") << 2.0 << false << QStringLiteral("Tieflage");
        QTest::newRow("above the upper shelf") << 200.0 << false << QStringLiteral("Hochlage");
    }
    void readsTemperaturesOffTheCurve()
    {
        QFETCH(double, value);
        QFETCH(bool, determined);
        QFETCH(QString, reasonPart);
        const Points points = sampled(3, 180, -20, 25, eightTemperatures, wobble);
        const auto fit = fitTransitionCurve(points, {3.0, {}});
        QVERIFY(fit.has_value());
        const auto t = fit->temperatureAt(value);
        QCOMPARE(t.has_value(), determined);
        if (determined) {
            QVERIFY(std::abs(fit->valueAt(t->value) - value) < 1e-9);
            QVERIFY(t->standardError > 0);
            QCOMPARE(t->degreesOfFreedom, 5.0);
        } else {
            QVERIFY2(t.reason().contains(reasonPart), qPrintable(t.reason()));
        }
    }

    void halfTheUpperShelfMovesWithTheShelf()
    {
        const Points points = sampled(3, 180, -20, 25, eightTemperatures, wobble);
        const auto fit = fitTransitionCurve(points, {});
        QVERIFY(fit.has_value());
        const auto half = fit->temperatureAtShareOfUpperShelf(0.5);
        const auto atFixedValue = fit->temperatureAt(fit->upperShelf.value / 2);
        QVERIFY(half.has_value() && atFixedValue.has_value());
        QCOMPARE(half->value, atFixedValue->value);
        // Half the upper shelf lies below the middle of the step, where the
        // curve rises with the shelf: the shelf's own error pulls the other
        // way and the two errors differ.
        QVERIFY(half->value < fit->midTemperature.value);
        QVERIFY(std::abs(half->standardError - atFixedValue->standardError) > 1e-3 * atFixedValue->standardError);
        // No half of the upper shelf above a lower shelf at more than half.
        const auto high = fitTransitionCurve(sampled(100, 180, -20, 25, eightTemperatures, wobble), {});
        QVERIFY(high.has_value());
        QVERIFY(!high->temperatureAtShareOfUpperShelf(0.5).has_value());
    }

    void theTransitionRegionSpansFourWidths()
    {
        const auto fit = fitTransitionCurve(sampled(3, 180, -20, 25, eightTemperatures, wobble), {});
        QVERIFY(fit.has_value());
        QCOMPARE(fit->transitionStart(), fit->midTemperature.value - 2 * fit->width.value);
        QCOMPARE(fit->transitionEnd(), fit->midTemperature.value + 2 * fit->width.value);
        const double share = (fit->valueAt(fit->transitionEnd()) - fit->lowerShelf.value)
            / (fit->upperShelf.value - fit->lowerShelf.value);
        QVERIFY(std::abs(share - 0.982) < 0.001);
    }

    void refusesPointsThatCarryNoCurve_data()
    {
        QTest::addColumn<Points>("points");
        QTest::addColumn<TransitionFitOptions>("options");
        QTest::addColumn<QString>("reasonPart");
        const std::vector<double> five{-60, -30, 0, 30, 60};
        QTest::newRow("four points for four parameters")
            << sampled(3, 180, -20, 25, {-60, -20, 0, 40}) << TransitionFitOptions{} << QStringLiteral("Zu wenige");
        QTest::newRow("two points for two parameters")
            << sampled(3, 180, -20, 25, {-60, 40}) << TransitionFitOptions{3.0, 180.0}
            << QStringLiteral("mindestens 3 Punkte");
        QTest::newRow("one temperature")
            << Points{{20, 10}, {20, 50}, {20, 90}, {20, 120}, {20, 150}} << TransitionFitOptions{}
            << QStringLiteral("derselben Temperatur");
        QTest::newRow("all on the upper shelf, lower shelf fixed")
            << sampled(3, 180, -150, 10, eightTemperatures, wobble) << TransitionFitOptions{3.0, {}}
            << QStringLiteral("auf einer Lage");
        QTest::newRow("all on the lower shelf, upper shelf fixed")
            << sampled(3, 180, 150, 10, eightTemperatures, wobble) << TransitionFitOptions{{}, 180.0}
            << QStringLiteral("auf einer Lage");
        QTest::newRow("scatter on one shelf, both free")
            << sampled(150, 150, 0, 10, eightTemperatures, wobble) << TransitionFitOptions{}
            << QStringLiteral("auf einer Lage");
        QTest::newRow("all the same")
            << sampled(100, 100, 0, 10, eightTemperatures) << TransitionFitOptions{0.0, 100.0}
            << QStringLiteral("auf einer Lage");
        QTest::newRow("only the rise below the middle, upper shelf fixed")
            << sampled(3, 180, 75, 20, eightTemperatures, wobble) << TransitionFitOptions{{}, 180.0}
            << QStringLiteral("Seite der Tieflage");
        QTest::newRow("only the rise above the middle, lower shelf fixed")
            << sampled(3, 180, -95, 20, eightTemperatures, wobble) << TransitionFitOptions{3.0, {}}
            << QStringLiteral("Seite der Hochlage");
        QTest::newRow("falling with temperature")
            << sampled(180, 3, -20, 25, eightTemperatures, wobble) << TransitionFitOptions{}
            << QStringLiteral("fallen");
        Points straight;
        for (size_t i = 0; i < eightTemperatures.size(); ++i)
            straight.push_back({eightTemperatures[i], 100 + 0.25 * eightTemperatures[i] + wobble[i]});
        QTest::newRow("a slow straight rise") << straight << TransitionFitOptions{}
                                              << QStringLiteral("Kein Punkt liegt auf der Tieflage");
        QTest::newRow("no point on the upper shelf")
            << sampled(3, 180, 50, 25, eightTemperatures, wobble) << TransitionFitOptions{3.0, {}}
            << QStringLiteral("Kein Punkt liegt auf der Hochlage");
        QTest::newRow("a jump with no point in between")
            << Points{{-80, 3}, {-60, 5}, {-40, 2}, {-20, 4}, {0, 181}, {20, 178}, {40, 182}, {60, 179}}
            << TransitionFitOptions{} << QStringLiteral("Übergangsbereich");
        QTest::newRow("fixed shelves in the wrong order")
            << sampled(3, 180, -20, 25, eightTemperatures) << TransitionFitOptions{180.0, 3.0}
            << QStringLiteral("unter der festgelegten Hochlage");
        QTest::newRow("a value that is not a number")
            << Points{{-60, 3}, {-30, qQNaN()}, {0, 90}, {30, 170}, {60, 180}} << TransitionFitOptions{}
            << QStringLiteral("Zahlenwert");
    }
    void refusesPointsThatCarryNoCurve()
    {
        QFETCH(Points, points);
        QFETCH(TransitionFitOptions, options);
        QFETCH(QString, reasonPart);
        const auto fit = fitTransitionCurve(points, options);
        QVERIFY2(!fit.has_value(), "a curve where the points carry none");
        QVERIFY2(fit.reason().contains(reasonPart), qPrintable(fit.reason()));
    }
};

REGISTER_TEST(TransitionCurveTest)
#include "tst_transition_curve.moc"
