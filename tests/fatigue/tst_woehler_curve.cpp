#include "common/test_main.h"

#include "fatigue/woehler_curve.h"
#include "toolkit/canvas.h"

using fatigue::CurveAnimator;
using fatigue::CurveMark;
using fatigue::WoehlerCurve;

namespace {

// A small curve: flat to x 80, falling 2 per step to x 100, then flat; a
// label drawn at each step of the falling range, a line when it stops.
WoehlerCurve sample()
{
    const QColor blue(0, 0, 255);
    return WoehlerCurve{Qt::red,
                        {{-1000, 80, 5, 0, true, {}},
                         {80, 100, 5, 2, false, {CurveMark::label(blue, 200, 200, "F")}},
                         {100, 140, 10, 0, false, {}}},
                        130,
                        {CurveMark::line(blue, 1, 10, 300, 100, 300)}};
}

}

class WoehlerCurveTest : public QObject {
    Q_OBJECT
private slots:
    void rangesStepInOrderAndTheCurveStops()
    {
        auto surface = std::make_shared<tk::Surface>(400, 400);
        tk::Canvas c(surface);
        surface->fill(Qt::white);
        const WoehlerCurve curve = sample();
        CurveAnimator pen;
        pen.begin();
        QCOMPARE(pen.position(), QPoint(60, 100));
        int ticks = 0;
        while (pen.running() && ticks < 100) {
            pen.tick(c, curve, {});
            ++ticks;
        }
        QCOMPARE(ticks, CurveAnimator::ticksToStop(curve));
        // 60 -> 80 in four ticks; the fifth steps to 85 and, now in the
        // falling range, on to (90, 102); 95, 100; the eighth falls to 105 and
        // takes the flat range's first step to 115; 125, then 135 past the stop.
        QCOMPARE(ticks, 10);
        QCOMPARE(pen.position(), QPoint(135, 108));
        QCOMPARE(surface->pixel(70, 100), qRgb(255, 0, 0) & 0xFFFFFFu);  // the curve, 7 wide
        QCOMPARE(surface->pixel(70, 97), qRgb(255, 0, 0) & 0xFFFFFFu);
        QCOMPARE(surface->pixel(70, 95), 0xFFFFFFu);
        QCOMPARE(surface->pixel(50, 300), 0x0000FFu);                    // the stop line
        QVERIFY(surface->pixel(202, 210) != 0xFFFFFFu);                   // the label
        // Ticks after the stop draw nothing.
        const QImage before = surface->image().copy();
        pen.tick(c, curve, {});
        QVERIFY(surface->image() == before);
    }

    void aCurveWithoutARangeForItsPenStops()
    {
        auto surface = std::make_shared<tk::Surface>(100, 100);
        tk::Canvas c(surface);
        const WoehlerCurve curve{Qt::red, {{200, 300, 5, 0, false, {}}}, 740, {}};
        CurveAnimator pen;
        pen.begin();
        pen.tick(c, curve, {});
        QVERIFY(!pen.running());
        QCOMPARE(CurveAnimator::ticksToStop(curve), 1);
    }
};

REGISTER_TEST(WoehlerCurveTest)
#include "tst_woehler_curve.moc"
