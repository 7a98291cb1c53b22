#include "common/test_main.h"

#include "fatigue/woehler_influence_curves.h"
#include "fatigue/woehler_influence_form.h"
#include "toolkit/paintbox.h"
#include "toolkit/timer.h"

#include <QAction>
#include <QLabel>
#include <functional>
#include <memory>

using fatigue::WoehlerInfluenceForm;

using fatigue::CurveAnimator;
using fatigue::WoehlerCurve;

Q_DECLARE_METATYPE(const WoehlerCurve*)

namespace {

constexpr QRgb white = 0xFFFFFF, black = 0x000000, silver = 0xC0C0C0;
constexpr QRgb red = 0xFF0000, blue = 0x0000FF, green = 0x008000;

// One window of each kind, created as the program creates it.
template <typename Window>
std::unique_ptr<Window> open(Window*& global)
{
    global = new Window;
    global->formCreate();
    global->show();
    QApplication::processEvents();
    return std::unique_ptr<Window>(global);
}

std::unique_ptr<WoehlerInfluenceForm> openWindow(int number)
{
    if (number == 2)
        return open(FormDauer2);
    if (number == 3)
        return open(FormDauer3);
    return open(FormDauer4);
}

QRgb pixel(WoehlerInfluenceForm* w, int x, int y)
{
    w->paintBoxHaupt()->ensurePainted();
    return w->paintBoxHaupt()->canvas().pixel(x, y);
}

// Runs a curve from its menu item to its end; returns the ticks it took.
int runCurve(WoehlerInfluenceForm* w, int curve)
{
    w->curveItem(curve)->trigger();
    int ticks = 0;
    while (w->timer(curve)->isActive() && ticks < 1000) {
        w->timer(curve)->fire();
        ++ticks;
    }
    return ticks;
}

// Whether any pixel from (left, top) to (right, bottom), both included, is
// black.
bool inkIn(WoehlerInfluenceForm* w, int left, int top, int right, int bottom)
{
    for (int y = top; y <= bottom; ++y)
        for (int x = left; x <= right; ++x)
            if (pixel(w, x, y) == black)
                return true;
    return false;
}

}

class WoehlerInfluenceTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { testsupport::clearErrors(); }

    // Every curve as its pen runs it: the ticks to its stop, where it ends,
    // and that the window's timer stops after exactly that many ticks with
    // the pen's colour at the end of the curve.
    void curvesEndWhereTheyShould_data()
    {
        QTest::addColumn<int>("window");
        QTest::addColumn<int>("curve");
        QTest::addColumn<const WoehlerCurve*>("table");
        QTest::addColumn<int>("ticks");
        QTest::addColumn<QPoint>("end");
        QTest::addColumn<QRgb>("colour");
        QTest::newRow("body-centred cubic") << 2 << 0 << &fatigue::bodyCentredCubicCurve() << 128 << QPoint(745, 348) << red;
        QTest::newRow("face-centred cubic") << 2 << 1 << &fatigue::faceCentredCubicCurve() << 87 << QPoint(750, 375) << red;
        QTest::newRow("initial state") << 3 << 0 << &fatigue::initialStateCurve() << 128 << QPoint(745, 348) << blue;
        QTest::newRow("corrosion") << 3 << 1 << &fatigue::corrosionCurve() << 100 << QPoint(605, 440) << red;
        QTest::newRow("free") << 4 << 0 << &fatigue::freeOfResidualStressCurve() << 129 << QPoint(745, 348) << blue;
        QTest::newRow("tensile") << 4 << 1 << &fatigue::tensileResidualStressCurve() << 126 << QPoint(745, 400) << red;
        QTest::newRow("compressive") << 4 << 2 << &fatigue::compressiveResidualStressCurve() << 131 << QPoint(745, 292)
                                     << green;
    }
    void curvesEndWhereTheyShould()
    {
        QFETCH(int, window);
        QFETCH(int, curve);
        QFETCH(const WoehlerCurve*, table);
        QFETCH(int, ticks);
        QFETCH(QPoint, end);
        QFETCH(QRgb, colour);
        QCOMPARE(CurveAnimator::ticksToStop(*table), ticks);

        auto w = openWindow(window);
        QCOMPARE(&w->scene().curve(curve), table);
        QCOMPARE(runCurve(w.get(), curve), ticks);
        QCOMPARE(w->scene().position(curve), end);
        // The pen is 7 wide with round ends: its colour at the start and a
        // little before the end, not beyond the end.
        QCOMPARE(pixel(w.get(), end.x() - 2, end.y()), colour);
        QCOMPARE(pixel(w.get(), 63, 102), colour);
        QVERIFY(pixel(w.get(), end.x() + 4, end.y()) != colour);
        QVERIFY(testsupport::errors().isEmpty());
    }

    void staticDiagram_data()
    {
        QTest::addColumn<int>("window");
        QTest::addColumn<QStringList>("timers"); // in the order of the window's curves
        QTest::newRow("lattice") << 2 << QStringList{"TimerKRZ", "TimerKFZ"};
        QTest::newRow("environment") << 3 << QStringList{"TimerKRZ", "TimerKFZ"};
        QTest::newRow("residual stresses") << 4 << QStringList{"TimerFrei", "TimerZug", "TimerDruck"};
    }
    void staticDiagram()
    {
        QFETCH(int, window);
        QFETCH(QStringList, timers);
        auto w = openWindow(window);
        for (int i = 0; i < timers.size(); ++i)
            QCOMPARE(w->timer(i)->objectName(), timers[i]);

        QCOMPARE(pixel(w.get(), 5, 15), silver); // title band
        QVERIFY(inkIn(w.get(), 20, 5, 200, 20));
        QCOMPARE(pixel(w.get(), 50, 220), black); // plot frame
        QCOMPARE(pixel(w.get(), 80, 200), silver); // 2 x 10 to the 2
        QCOMPARE(pixel(w.get(), 750, 200), silver); // 10 to the 9
        QCOMPARE(pixel(w.get(), 60, 75), white);
        QVERIFY(inkIn(w.get(), 436, 484, 446, 499)); // the B of N_B
        // The exponents stand beside their "10" (the layout check of every
        // window holds them to it); the last one, 9, is not cut off by the
        // edge of the box.
        QVERIFY(inkIn(w.get(), 757, 455, 766, 470));
        QVERIFY(!inkIn(w.get(), 767, 455, 768, 470));
    }

    // The lattice window shows one curve at a time: choosing a lattice
    // repaints the diagram and stops the other curve.
    void latticeCurvesReplaceEachOther()
    {
        auto w = open(FormDauer2);
        w->curveItem(0)->trigger();
        for (int i = 0; i < 30; ++i)
            w->timer(0)->fire();
        QCOMPARE(pixel(w.get(), 200, 152), red);
        w->curveItem(1)->trigger();
        QVERIFY(!w->timer(0)->isActive());
        QVERIFY(w->timer(1)->isActive());
        QCOMPARE(w->scene().position(1), QPoint(60, 100));
        QCOMPARE(pixel(w.get(), 200, 152), white);
        w->timer(1)->fire();
        QVERIFY(!w->timer(0)->isActive());
        // The same lattice again starts afresh on an empty diagram.
        w->curveItem(1)->trigger();
        QCOMPARE(w->scene().position(1), QPoint(60, 100));
        QCOMPARE(pixel(w.get(), 63, 102), white);
    }

    // The other windows keep every curve drawn so far; starting another curve
    // leaves the running one where it got.
    void curvesStayTogether()
    {
        auto w = open(FormDauer4);
        for (int i = 0; i < 3; ++i)
            QVERIFY(runCurve(w.get(), i) > 100);
        // The fatigue-limit lines of the three curves, each in its colour.
        QCOMPARE(pixel(w.get(), 200, 293), green);
        QCOMPARE(pixel(w.get(), 200, 350), blue);
        QCOMPARE(pixel(w.get(), 200, 400), red);

        auto e = open(FormDauer3);
        e->curveItem(0)->trigger();
        for (int i = 0; i < 40; ++i)
            e->timer(0)->fire();
        const QPoint reached = e->scene().position(0);
        e->curveItem(1)->trigger();
        QVERIFY(!e->timer(0)->isActive());
        QCOMPARE(e->scene().position(0), reached);
        QCOMPARE(pixel(e.get(), reached.x() - 3, reached.y()), blue);
        runCurve(e.get(), 1);
        QCOMPARE(pixel(e.get(), 600, 437), red);
        QCOMPARE(pixel(e.get(), reached.x() - 3, reached.y()), blue);
    }

    void newDrawingAndClosingStopEveryCurve_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("Neu Zeichnen") << "NeuZeichnen1";
        QTest::newRow("Ende") << "Ende1";
        QTest::newRow("Escape") << "ESC1";
        QTest::newRow("close button") << "";
    }
    void newDrawingAndClosingStopEveryCurve()
    {
        QFETCH(QString, how);
        auto w = open(FormDauer4);
        w->curveItem(0)->trigger();
        for (int i = 0; i < 10; ++i)
            w->timer(0)->fire();
        w->curveItem(2)->trigger();
        w->timer(2)->fire();
        if (how.isEmpty())
            w->close();
        else
            w->findChild<QAction*>(how)->trigger();
        for (int i = 0; i < 3; ++i)
            QVERIFY(!w->timer(i)->isActive());
        if (!how.isEmpty() && how != QLatin1String("NeuZeichnen1"))
            QVERIFY(!w->isVisible());
        // The next showing, or the new drawing, has an empty diagram.
        w->show();
        QApplication::processEvents();
        QCOMPARE(pixel(w.get(), 63, 102), white);
    }
};

REGISTER_TEST(WoehlerInfluenceTest)
#include "tst_woehler_influence.moc"
