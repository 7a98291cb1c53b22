#include "common/test_main.h"

#include "evaluation/curve_envelope.h"

#include <cmath>
#include <random>

using namespace evaluation;

class CurveEnvelopeTest : public QObject {
    Q_OBJECT
private slots:
    void keepsEveryPeakWithFourPointsPerColumn_data()
    {
        QTest::addColumn<int>("points");
        QTest::addColumn<int>("columns");
        QTest::newRow("a million points on 800 columns") << 1000000 << 800;
        QTest::newRow("fewer points than columns") << 300 << 800;
    }
    void keepsEveryPeakWithFourPointsPerColumn()
    {
        QFETCH(int, points);
        QFETCH(int, columns);
        std::mt19937 random(5);
        std::normal_distribution<double> noise(0, 1);
        const size_t count = static_cast<size_t>(points);
        std::vector<double> x(count), y(count);
        for (int i = 0; i < points; ++i) {
            x[size_t(i)] = 10.0 * i / points;
            y[size_t(i)] = 100 * std::sin(x[size_t(i)]) + noise(random);
        }
        const auto env = curveEnvelope(x, y, 0, 10, columns);
        QCOMPARE_LE(int(env.size()), std::min(points, 4 * columns));
        // Per column the envelope reaches the same lowest and highest values.
        std::vector<double> lo(size_t(columns), 1e9), hi(size_t(columns), -1e9), elo = lo, ehi = hi;
        for (int i = 0; i < points; ++i) {
            const size_t c = std::min(size_t(columns - 1), size_t(x[size_t(i)] / (10.0 / columns)));
            lo[c] = std::min(lo[c], y[size_t(i)]);
            hi[c] = std::max(hi[c], y[size_t(i)]);
        }
        for (const QPointF& p : env) {
            const size_t c = std::min(size_t(columns - 1), size_t(p.x() / (10.0 / columns)));
            elo[c] = std::min(elo[c], p.y());
            ehi[c] = std::max(ehi[c], p.y());
        }
        QVERIFY(lo == elo && hi == ehi);
        // In the order measured.
        QVERIFY(std::is_sorted(env.begin(), env.end(), [](const QPointF& a, const QPointF& b) { return a.x() < b.x(); }));
        QCOMPARE(env.front(), QPointF(x.front(), y.front()));
        QCOMPARE(env.back(), QPointF(x.back(), y.back()));
    }

    void outsideTheRangeOnlyTheLinesInAndOut()
    {
        const std::vector<double> x{-3, -2, -1, 0.5, 1.5, 4, 5, 6}, y{1, 2, 3, 4, 5, 6, 7, 8};
        const auto env = curveEnvelope(x, y, 0, 2, 2);
        QCOMPARE(env, (std::vector<QPointF>{{-3, 1}, {-1, 3}, {0.5, 4}, {1.5, 5}, {4, 6}, {6, 8}}));
        QVERIFY(curveEnvelope(x, y, 2, 2, 10).empty());
        QVERIFY(curveEnvelope({}, {}, 0, 1, 10).empty());
    }
};

REGISTER_TEST(CurveEnvelopeTest)
#include "tst_curve_envelope.moc"
