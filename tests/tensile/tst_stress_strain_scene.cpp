#include "common/test_main.h"

#include "tensile/stress_strain_scene.h"
#include "toolkit/canvas.h"

#include <memory>

using tensile::Steel;
using tensile::StressStrainScene;

Q_DECLARE_METATYPE(Steel)

namespace {

constexpr QRgb red = 0xFF0000;
constexpr QRgb blue = 0x0000FF;
constexpr QRgb purple = 0x800080;
constexpr QRgb black = 0x000000;
constexpr QRgb frameColour = 0x010000; // colour 1
constexpr QRgb plotYellow = 0xFFFFC4;
constexpr QRgb windowGreen = 0x00CA9C;

// A diagram of the window's size, painted as the window paints it.
struct Diagram {
    std::shared_ptr<tk::Surface> surface = std::make_shared<tk::Surface>(500, 410);
    tk::Canvas canvas{surface};
    StressStrainScene scene;

    Diagram()
    {
        surface->fill(QColor(windowGreen));
        scene.paintDiagram(canvas, 800);
    }
    QRgb pixel(int x, int y) const { return canvas.pixel(x, y); }
    // Runs a curve to its end; returns the number of ticks it took.
    int run(Steel steel)
    {
        scene.start(steel, canvas);
        int ticks = 0;
        while (scene.running() && ticks < 1000) {
            scene.tick(steel, canvas);
            ++ticks;
        }
        return ticks;
    }
    void ticks(Steel steel, int n)
    {
        for (int i = 0; i < n; ++i)
            scene.tick(steel, canvas);
    }
};

}

class StressStrainSceneTest : public QObject {
    Q_OBJECT
private slots:
    void frameFollowsDiagramSize_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("x1");
        QTest::addColumn<int>("y2");
        QTest::addColumn<int>("dx");
        QTest::addColumn<int>("dy");
        QTest::newRow("window") << 500 << 410 << 490 << 320 << 40 << 37;
        QTest::newRow("smaller") << 400 << 300 << 390 << 210 << 30 << 23;
        // Negative extents divide toward zero, not downward.
        QTest::newRow("tiny") << 50 << 100 << 40 << 10 << 0 << -1;
    }
    void frameFollowsDiagramSize()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        auto surface = std::make_shared<tk::Surface>(width, height);
        tk::Canvas c(surface);
        StressStrainScene scene; // the window's size until painted
        scene.paintDiagram(c, 800);
        QCOMPARE(scene.frame().left, 50);
        QCOMPARE(scene.frame().top, 20);
        QTEST(scene.frame().right, "x1");
        QTEST(scene.frame().bottom, "y2");
        QTEST(scene.frame().dx, "dx");
        QTEST(scene.frame().dy, "dy");
    }

    void staticDiagram_data()
    {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QRgb>("colour");
        QTest::newRow("top band") << QPoint(10, 0) << QRgb(0x000001);
        QTest::newRow("band 100") << QPoint(10, 300) << QRgb(0x9CFF00);
        QTest::newRow("band right of plot") << QPoint(495, 150) << QRgb(0xCEFF00);
        QTest::newRow("left of bands") << QPoint(1, 300) << windowGreen;
        QTest::newRow("plot area") << QPoint(100, 300) << plotYellow;
        QTest::newRow("frame left") << QPoint(50, 100) << frameColour;
        QTest::newRow("frame right") << QPoint(489, 100) << frameColour;
        QTest::newRow("frame top") << QPoint(100, 20) << frameColour;
        QTest::newRow("frame bottom") << QPoint(100, 319) << frameColour;
        QTest::newRow("below frame") << QPoint(100, 321) << QRgb(0x95FF00);
    }
    void staticDiagram()
    {
        QFETCH(QPoint, at);
        QFETCH(QRgb, colour);
        Diagram d;
        QCOMPARE(d.pixel(at.x(), at.y()), colour);
    }

    void gridIsDotted_data()
    {
        QTest::addColumn<bool>("horizontal");
        QTest::addColumn<int>("position");
        for (int i = 1; i <= 7; ++i)
            QTest::addRow("stress %d00", i) << true << 320 - i * 37;
        for (int i = 1; i <= 10; ++i)
            QTest::addRow("strain %d", i * 5) << false << 50 + i * 40;
    }
    void gridIsDotted()
    {
        QFETCH(bool, horizontal);
        QFETCH(int, position);
        Diagram d;
        int dots = 0, gaps = 0;
        for (int t = 60; t < 280; ++t) {
            const QRgb p = horizontal ? d.pixel(t + 100, position) : d.pixel(position, t);
            dots += p == frameColour;
            gaps += p == plotYellow;
        }
        QVERIFY2(dots > 60 && gaps > 60, qPrintable(QStringLiteral("%1 dots, %2 gaps").arg(dots).arg(gaps)));
        // Between the grid lines the plot area stays clear.
        QCOMPARE(horizontal ? d.pixel(200, position - 18) : d.pixel(position + 20, 200), plotYellow);
    }

    void curveRunsToFracture_data()
    {
        QTest::addColumn<Steel>("steel");
        QTest::addColumn<int>("ticks");
        QTest::addColumn<int>("endX");
        QTest::addColumn<float>("endY");
        QTest::newRow("unalloyed") << Steel::Unalloyed << 162 << 215 << 146.875f;
        QTest::newRow("austenitic") << Steel::Austenitic << 199 << 450 << 146.7f;
    }
    void curveRunsToFracture()
    {
        QFETCH(Steel, steel);
        QFETCH(int, ticks);
        Diagram d;
        d.scene.start(steel, d.canvas);
        d.ticks(steel, ticks - 1);
        QVERIFY(d.scene.running() == steel);
        QVERIFY(!d.scene.eraseEnabled());
        d.ticks(steel, 1);
        QVERIFY(!d.scene.running());
        QVERIFY(d.scene.eraseEnabled());
        QTEST(d.scene.cursorX(), "endX");
        QTEST(d.scene.cursorY(), "endY");
    }

    // The cursor after a number of ticks; where a tick crosses a range
    // boundary it runs the first step of the next range as well.
    void cursorAfterTicks_data()
    {
        QTest::addColumn<Steel>("steel");
        QTest::addColumn<int>("ticks");
        QTest::addColumn<int>("x");
        QTest::addColumn<float>("y");
        QTest::addColumn<QPoint>("pen");
        const Steel un = Steel::Unalloyed, crni = Steel::Austenitic;
        QTest::newRow("unalloyed elastic") << un << 5 << 55 << 220.0f << QPoint(55, 220);
        QTest::newRow("unalloyed elastic end and first flat piece") << un << 6 << 57 << 191.5f << QPoint(57, 192);
        QTest::newRow("unalloyed half to even at 59") << un << 8 << 59 << 190.5f << QPoint(59, 190);
        QTest::newRow("unalloyed half to even at 63") << un << 12 << 63 << 188.5f << QPoint(63, 188);
        QTest::newRow("unalloyed into hardening") << un << 14 << 66 << 184.76f << QPoint(66, 188);
        QTest::newRow("unalloyed peak") << un << 88 << 140 << 130.0f << QPoint(140, 130);
        QTest::newRow("unalloyed into necking") << un << 98 << 151 << 130.363f << QPoint(151, 131);
        QTest::newRow("austenitic elastic") << crni << 3 << 53 << 263.0f << QPoint(53, 263);
        QTest::newRow("austenitic elastic end and first piece") << crni << 4 << 56 << 241.96f << QPoint(56, 244);
        QTest::newRow("austenitic into hardening") << crni << 36 << 122 << 170.2224f << QPoint(122, 172);
        QTest::newRow("austenitic peak") << crni << 131 << 312 << 96.0084f << QPoint(312, 96);
        QTest::newRow("austenitic into last range") << crni << 138 << 328 << 96.192f << QPoint(328, 97);
    }
    void cursorAfterTicks()
    {
        QFETCH(Steel, steel);
        QFETCH(int, ticks);
        QFETCH(QPoint, pen);
        Diagram d;
        d.scene.start(steel, d.canvas);
        d.ticks(steel, ticks);
        QTEST(d.scene.cursorX(), "x");
        QTEST(d.scene.cursorY(), "y");
        QCOMPARE(d.canvas.penPos(), pen);
    }

    void curvePixels_data()
    {
        QTest::addColumn<Steel>("steel");
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QRgb>("colour");
        const Steel un = Steel::Unalloyed, crni = Steel::Austenitic;
        QTest::newRow("unalloyed Hooke's line") << un << QPoint(53, 260) << red;
        QTest::newRow("unalloyed elastic end") << un << QPoint(56, 200) << red;
        QTest::newRow("unalloyed tensile strength") << un << QPoint(140, 130) << red;
        QTest::newRow("unalloyed fracture label") << un << QPoint(216, 149) << red;
        QTest::newRow("unalloyed name label") << un << QPoint(216, 168) << red;
        QTest::newRow("unalloyed clear plot") << un << QPoint(300, 250) << plotYellow;
        QTest::newRow("austenitic Hooke's line") << crni << QPoint(52, 282) << blue;
        QTest::newRow("austenitic elastic end") << crni << QPoint(54, 244) << blue;
        QTest::newRow("austenitic tensile strength") << crni << QPoint(310, 96) << blue;
        QTest::newRow("austenitic fracture label") << crni << QPoint(431, 149) << blue;
        QTest::newRow("austenitic offset line") << crni << QPoint(58, 272) << purple;
        QTest::newRow("austenitic offset label") << crni << QPoint(66, 324) << blue;
        QTest::newRow("austenitic mark at origin") << crni << QPoint(50, 333) << black;
        QTest::newRow("austenitic mark at 0.2 %") << crni << QPoint(55, 321) << black;
        QTest::newRow("austenitic clear plot") << crni << QPoint(200, 280) << plotYellow;
    }
    void curvePixels()
    {
        QFETCH(Steel, steel);
        QFETCH(QPoint, at);
        Diagram d;
        d.run(steel);
        QTEST(d.pixel(at.x(), at.y()), "colour");
    }

    void bothCurvesShareTheDiagram()
    {
        Diagram d;
        QCOMPARE(d.run(Steel::Unalloyed), 162);
        QVERIFY(!d.scene.startEnabled(Steel::Unalloyed));
        QVERIFY(d.scene.startEnabled(Steel::Austenitic));
        d.scene.start(Steel::Austenitic, d.canvas);
        d.ticks(Steel::Austenitic, 1);
        QCOMPARE(d.scene.cursorPixel(), QPoint(51, 301)); // restarted at the origin
        d.ticks(Steel::Austenitic, 198);
        QVERIFY(!d.scene.running());
        QCOMPARE(d.pixel(140, 130), red);
        QCOMPARE(d.pixel(310, 96), blue);
        QVERIFY(!d.scene.startEnabled(Steel::Unalloyed));
        QVERIFY(!d.scene.startEnabled(Steel::Austenitic));
        d.scene.erase();
        QVERIFY(d.scene.startEnabled(Steel::Unalloyed));
        QVERIFY(d.scene.startEnabled(Steel::Austenitic));
        QVERIFY(d.scene.eraseEnabled());
    }

    // Only the timer of the running curve draws.
    void strayTicksDrawNothing_data()
    {
        QTest::addColumn<bool>("startFirst");
        QTest::newRow("other curve running") << true;
        QTest::newRow("nothing running") << false;
    }
    void strayTicksDrawNothing()
    {
        QFETCH(bool, startFirst);
        Diagram d;
        if (startFirst) {
            d.scene.start(Steel::Unalloyed, d.canvas);
            d.ticks(Steel::Unalloyed, 3);
        }
        const QImage before = d.surface->image().copy();
        const int x = d.scene.cursorX();
        d.ticks(Steel::Austenitic, 5);
        QCOMPARE(d.scene.cursorX(), x);
        QCOMPARE(d.surface->image(), before);
    }

    void closeResetsCursorAndItems()
    {
        Diagram d;
        d.run(Steel::Austenitic);
        d.scene.close(d.canvas);
        QCOMPARE(d.scene.cursorPixel(), QPoint(50, 320));
        QCOMPARE(d.canvas.penPos(), QPoint(50, 320));
        QVERIFY(!d.scene.running());
        QVERIFY(d.scene.startEnabled(Steel::Unalloyed));
        QVERIFY(d.scene.startEnabled(Steel::Austenitic));
        QVERIFY(d.scene.eraseEnabled());
    }
};

REGISTER_TEST(StressStrainSceneTest)

#include "tst_stress_strain_scene.moc"
