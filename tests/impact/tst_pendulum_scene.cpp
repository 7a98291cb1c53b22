#include "impact/pendulum_scene.h"
#include "tests/common/test_main.h"
#include "toolkit/colours.h"

#include <algorithm>
#include <memory>

using impact::PendulumScene;

namespace {

const QColor windowColour = tk::tcolor(0x9CCA00);
constexpr int swingTicks = 48;

// The machine scene on a surface of the paint box's size, painted the way
// the paint box paints it: window colour first, then the paint routine.
struct Stage {
    std::shared_ptr<tk::Surface> surface = std::make_shared<tk::Surface>(520, 450);
    tk::Canvas canvas{surface};
    PendulumScene scene{800};

    Stage() { paint(); }
    void paint()
    {
        surface->fill(windowColour);
        canvas.startPaint(tk::Font::cell(QStringLiteral("MS Sans Serif"), 11), windowColour);
        scene.paintMachine(canvas);
    }
    void ticks(int n)
    {
        for (int i = 0; i < n; ++i)
            scene.tick(canvas);
    }
    QImage image() { return surface->image().copy(); }
    QRgb at(QPoint p) { return canvas.pixel(p.x(), p.y()); }
};

QRgb rgbOf(const QColor& c) { return c.rgb() & 0xFFFFFF; }
QRgb inverted(QRgb c) { return ~c & 0xFFFFFF; }

// Pixels of the colour in the rectangle (right and bottom included).
int countPixels(tk::Canvas& c, QRect r, QRgb colour)
{
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            n += c.pixel(x, y) == colour;
    return n;
}

// The picture a swing should leave at angle `last` when every tick erased
// the hammer it drew before: the static picture with the moving hammer
// inverted once at rest (the second tick's erasure) and once at `last`,
// and the grey patch over the supports once the specimen has broken.
QImage expectedAfterSwing(int last)
{
    Stage s;
    s.scene.drawMovingHammer(s.canvas, PendulumScene::restAngle);
    s.scene.drawMovingHammer(s.canvas, last);
    if (last + PendulumScene::angleStep > PendulumScene::breakAngle) {
        s.canvas.setPenMode(tk::PenMode::Copy);
        s.canvas.setPenWidth(1);
        s.canvas.setPenColor(tk::tcolor(0xACACAC));
        s.canvas.setBrushColor(tk::tcolor(0xACACAC));
        s.canvas.rectangle(257, 360, 300, 383);
    }
    return s.image();
}

}

class PendulumSceneTest : public QObject {
    Q_OBJECT
private slots:
    void pointsAroundThePivot_data()
    {
        QTest::addColumn<int>("degrees");
        QTest::addColumn<double>("distance");
        QTest::addColumn<QPoint>("expected");
        QTest::newRow("head at rest") << 20 << 160.0 << QPoint(315, 70);
        QTest::newRow("arm end at rest") << 20 << 128.0 << QPoint(304, 100);
        QTest::newRow("lowest point, on the specimen") << 180 << 160.0 << QPoint(260, 380);
        QTest::newRow("head at the end") << 255 << 160.0 << QPoint(105, 261);
        QTest::newRow("dial tick left") << 270 << 40.0 << QPoint(220, 220);
    }
    void pointsAroundThePivot()
    {
        QFETCH(int, degrees);
        QFETCH(double, distance);
        QFETCH(QPoint, expected);
        const PendulumScene scene(800);
        QCOMPARE(scene.pointAt(degrees, distance), expected);
    }

    void machineAtRest_data()
    {
        QTest::addColumn<QPoint>("pixel");
        QTest::addColumn<QRgb>("colour");
        const QRgb white = 0xFFFFFF, black = 0x000000, silver = 0xC0C0C0;
        QTest::newRow("window strip at the left") << QPoint(1, 100) << rgbOf(windowColour);
        QTest::newRow("below the background lines") << QPoint(100, 446) << rgbOf(windowColour);
        QTest::newRow("background line 50") << QPoint(100, 100) << QRgb(0xFFFFCD);
        QTest::newRow("background line 200") << QPoint(100, 400) << QRgb(0xFFFF37);
        QTest::newRow("dial silver ring") << QPoint(292, 220) << silver;
        QTest::newRow("dial centre") << QPoint(278, 212) << white;
        QTest::newRow("dial tick at 270") << QPoint(222, 220) << black;
        QTest::newRow("dial tick at 360") << QPoint(260, 182) << black;
        QTest::newRow("base plate") << QPoint(100, 419) << QRgb(0x3C0000);
        QTest::newRow("column") << QPoint(260, 300) << QRgb(0xACACAC);
        QTest::newRow("pivot bearing") << QPoint(256, 227) << silver;
        QTest::newRow("hammer arm") << QPoint(287, 145) << black;
        QTest::newRow("hammer head") << QPoint(300, 70) << black;
        QTest::newRow("wedge cut from the head") << QPoint(333, 78) << QRgb(0xFFFFD8);
        QTest::newRow("specimen") << QPoint(259, 379) << QRgb(0x0000FF);
        QTest::newRow("support block") << QPoint(249, 372) << QRgb(0xFF0000);
        QTest::newRow("machine foot") << QPoint(260, 405) << QRgb(0xFF0000);
    }
    void machineAtRest()
    {
        QFETCH(QPoint, pixel);
        QFETCH(QRgb, colour);
        Stage s;
        QCOMPARE(QString::number(s.at(pixel), 16), QString::number(colour, 16));
    }

    void firstTickChangesNothing()
    {
        Stage s;
        const QImage before = s.image();
        s.scene.start();
        s.ticks(1);
        QVERIFY(s.image() == before);
        QCOMPARE(s.scene.previousAngle(), 20);
        QCOMPARE(s.scene.angle(), 25);
    }

    void movingHammerIsDrawnOnce_data()
    {
        QTest::addColumn<int>("tick");
        QTest::newRow("rising from rest") << 10;
        QTest::newRow("on the specimen") << 33;
        QTest::newRow("rising after the break") << 44;
    }
    void movingHammerIsDrawnOnce()
    {
        QFETCH(int, tick);
        Stage s;
        const QImage still = s.image();
        s.scene.start();
        s.ticks(tick);
        const int shown = PendulumScene::restAngle + (tick - 1) * PendulumScene::angleStep;
        QCOMPARE(s.scene.previousAngle(), shown);

        const QPoint head = s.scene.pointAt(shown, s.scene.headDistance());
        const QPoint rim = s.scene.pointAt(shown, s.scene.headDistance() + 15);
        QCOMPARE(s.at(rim), inverted(still.pixel(rim) & 0xFFFFFF));
        // The striking edge inverts the head once more in colour 1, which
        // leaves only the lowest bit of red changed.
        const QPoint edge = s.scene.pointAt(shown + PendulumScene::strikingEdgeOffset, s.scene.headDistance());
        const QPoint onEdge = (head + edge) / 2;
        QCOMPARE(s.at(onEdge), (still.pixel(onEdge) & 0xFFFFFF) ^ 0x010000);
        // Where the hammer was six positions ago it has been erased.
        const QPoint earlier = s.scene.pointAt(shown - 30, s.scene.headDistance());
        QCOMPARE(s.at(earlier), still.pixel(earlier) & 0xFFFFFF);
    }

    void noResidueBeforeTheEnd_data()
    {
        QTest::addColumn<int>("tick");
        QTest::newRow("before the break") << 35;
        QTest::newRow("just broken") << 36;
        QTest::newRow("last move before the end") << 47;
    }
    void noResidueBeforeTheEnd()
    {
        QFETCH(int, tick);
        Stage s;
        s.scene.start();
        s.ticks(tick);
        const int shown = PendulumScene::restAngle + (tick - 1) * PendulumScene::angleStep;
        QVERIFY(s.image() == expectedAfterSwing(shown));
    }

    void greyPatchFromTheBreakOn_data()
    {
        QTest::addColumn<int>("tick");
        QTest::addColumn<bool>("grey");
        QTest::newRow("angle becomes 195") << 35 << false;
        QTest::newRow("angle becomes 200") << 36 << true;
        QTest::newRow("angle becomes 230") << 42 << true;
    }
    void greyPatchFromTheBreakOn()
    {
        QFETCH(int, tick);
        QFETCH(bool, grey);
        Stage s;
        s.scene.start();
        s.ticks(tick);
        QCOMPARE(s.scene.angle(), PendulumScene::restAngle + tick * PendulumScene::angleStep);
        const QRgb patch = 0xACACAC;
        QCOMPARE(s.at({263, 379}) == patch, grey); // the specimen's outline
        QCOMPARE(s.at({259, 379}) == patch, grey); // the specimen's blue core
        QCOMPARE(countPixels(s.canvas, QRect(257, 360, 43, 23), patch) == 43 * 23, grey);
    }

    void greyPatchIsRepaintedOnEveryLaterTick()
    {
        Stage s;
        s.scene.start();
        s.ticks(36);
        s.canvas.setPixel(280, 372, Qt::red);
        s.ticks(1);
        QCOMPARE(s.at({280, 372}), QRgb(0xACACAC));
    }

    void swingTakesFortyEightTicks()
    {
        Stage s;
        s.scene.start();
        s.ticks(swingTicks - 1);
        QVERIFY(s.scene.running());
        QCOMPARE(s.scene.angle(), 255);
        s.ticks(1);
        QVERIFY(!s.scene.running());
        QCOMPARE(s.scene.phase(), PendulumScene::Phase::Finished);
        QCOMPARE(s.scene.angle(), 260);
        QCOMPARE(s.scene.previousAngle(), 255);
        const QImage finished = s.image();
        s.ticks(1);
        QVERIFY(s.image() == finished);
    }

    void finalPictureShowsBothHeights_data()
    {
        QTest::addColumn<QPoint>("pixel");
        QTest::addColumn<QRgb>("colour");
        const QRgb black = 0x000000;
        QTest::newRow("H start level") << QPoint(400, 70) << black;
        QTest::newRow("H lowest level") << QPoint(400, 378) << black;
        QTest::newRow("H dimension line") << QPoint(460, 200) << black;
        QTest::newRow("H upper arrowhead") << QPoint(460, 80) << black;
        QTest::newRow("H lower arrowhead") << QPoint(460, 366) << black;
        QTest::newRow("beside the lower arrowhead") << QPoint(450, 366) << QRgb(0xFFFF48);
        QTest::newRow("h lowest level") << QPoint(150, 378) << black;
        QTest::newRow("h dimension line") << QPoint(60, 320) << black;
        QTest::newRow("h upper arrowhead") << QPoint(60, 270) << black;
        QTest::newRow("h lower arrowhead") << QPoint(60, 366) << black;
        QTest::newRow("solid head at the end") << QPoint(90, 261) << black;
        QTest::newRow("white striking edge at the end") << QPoint(102, 245) << QRgb(0xFFFFFF);
        QTest::newRow("specimen gone") << QPoint(259, 379) << QRgb(0xACACAC);
    }
    void finalPictureShowsBothHeights()
    {
        QFETCH(QPoint, pixel);
        QFETCH(QRgb, colour);
        Stage s;
        s.scene.start();
        s.ticks(swingTicks);
        QCOMPARE(QString::number(s.at(pixel), 16), QString::number(colour, 16));
    }

    void heightLettersAreWritten()
    {
        const QRect letterH(470, 210, 20, 24), letterh(30, 300, 20, 24);
        Stage s;
        s.scene.start();
        s.ticks(swingTicks - 1);
        QCOMPARE(countPixels(s.canvas, letterH, 0x000000), 0);
        QCOMPARE(countPixels(s.canvas, letterh, 0x000000), 0);
        s.ticks(1);
        QVERIFY(countPixels(s.canvas, letterH, 0x000000) > 20);
        QVERIFY(countPixels(s.canvas, letterh, 0x000000) > 20);
    }

    void endChangesOnlyWhereTheHeightsAreDrawn()
    {
        Stage s;
        s.scene.start();
        s.ticks(swingTicks);
        const QImage expected = expectedAfterSwing(255);
        const QImage actual = s.image();
        // The solid head with its edge, the H and h dimensions and letters.
        const QList<QRect> drawn = {QRect(QPoint(83, 231), QPoint(127, 283)), QRect(QPoint(328, 67), QPoint(511, 380)),
                                    QRect(QPoint(8, 257), QPoint(192, 380))};
        int changed = 0;
        for (int y = 0; y < actual.height(); ++y)
            for (int x = 0; x < actual.width(); ++x) {
                if (actual.pixel(x, y) == expected.pixel(x, y))
                    continue;
                ++changed;
                const bool inside =
                    std::any_of(drawn.begin(), drawn.end(), [&](const QRect& r) { return r.contains(x, y); });
                if (!inside)
                    QFAIL(qPrintable(QStringLiteral("unexpected change at %1,%2").arg(x).arg(y)));
            }
        QVERIFY(changed > 500);
    }

    void repaintDuringTheSwingRestoresTheHammerAtRest()
    {
        Stage s;
        const QImage still = s.image();
        s.scene.start();
        s.ticks(10);
        const QPoint arm(287, 145);
        QCOMPARE(s.at(arm), inverted(0x000000));
        s.paint();
        QVERIFY(s.image() == still);
        // The next tick draws the new hammer and inverts the fresh picture
        // where the old one was.
        const int erased = s.scene.previousAngle();
        s.ticks(1);
        Stage expected;
        expected.scene.drawMovingHammer(expected.canvas, erased);
        expected.scene.drawMovingHammer(expected.canvas, s.scene.previousAngle());
        QVERIFY(s.image() == expected.image());
        QCOMPARE(s.at(arm), QRgb(0x000000));
    }

    // The formula panel's texts keep their font's own width at their places:
    // the label before the fraction is drawn as any text is, not narrowed
    // into the room left of the fraction.
    void formulaLabelInItsFontsOwnWidth()
    {
        auto panel = [] {
            auto surface = std::make_shared<tk::Surface>(360, 80);
            surface->fill(windowColour);
            return surface;
        };
        auto drawn = panel();
        tk::Canvas c(drawn);
        c.startPaint(tk::Font::cell(QStringLiteral("MS Sans Serif"), 11), windowColour);
        PendulumScene::paintFormula(c);

        auto plain = panel();
        tk::Canvas p(plain);
        p.startPaint(tk::Font::cell(QStringLiteral("MS Sans Serif"), 11), windowColour);
        p.setBrushColor(tk::tcolor(0xD9D9FF));
        p.setFontHeight(18);
        p.textOut(5, 50, QStringLiteral("  Kerbschlagzähigkeit ="));
        // The label's own cell, left of the fraction and its bar, which are
        // drawn after it.
        const int width = std::min(144, p.textWidth(QStringLiteral("  Kerbschlagzähigkeit =")));
        const QRect label(5, 50, width, 9);
        QCOMPARE(drawn->image().copy(label), plain->image().copy(label));
    }
};

REGISTER_TEST(PendulumSceneTest)
#include "tst_pendulum_scene.moc"
