#include "common/test_main.h"

#include "tensile/standard_specimen_form.h"
#include "toolkit/paintbox.h"
#include "toolkit/timer.h"

#include <QAction>
#include <QApplication>
#include <QLabel>

using tensile::StandardSpecimenScene;

namespace {

constexpr int curveTicks = 256;

constexpr QRgb red = 0xFF0000;
constexpr QRgb plotYellow = 0xFFFFC4;
constexpr QRgb labelYellow = 0xFFFF00;
constexpr QRgb grey = 0x808080;
constexpr QRgb ink = 0x010000;

QAction* item(const char* name) { return FormZugAnniHoch->findChild<QAction*>(QString::fromLatin1(name)); }
tk::Timer* curveTimer() { return FormZugAnniHoch->timerKurve(); }
tk::Timer* specimenTimer() { return FormZugAnniHoch->timerAni(); }
QRgb diagramPixel(int x, int y) { return FormZugAnniHoch->diagram()->canvas().pixel(x, y); }
QRgb specimenPixel(int x, int y) { return FormZugAnniHoch->specimen()->canvas().pixel(x, y); }
const StandardSpecimenScene& scene() { return FormZugAnniHoch->scene(); }

void growCurve(int ticks)
{
    for (int i = 0; i < ticks; ++i)
        curveTimer()->fire();
}

int countDiagramPixels(QRect r, QRgb colour)
{
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            n += diagramPixel(x, y) == colour;
    return n;
}

// Both timers as the event loop runs them: each fires when its interval has
// passed since it last fired or was restarted with a new interval. Returns
// the time at which the curve was complete.
int runSideBySide()
{
    int now = 0;
    int nextCurve = curveTimer()->interval();
    int nextSpecimen = specimenTimer()->interval();
    int curveDone = -1;
    while ((curveTimer()->isActive() || specimenTimer()->isActive()) && now < 60000) {
        const bool curveFirst =
            curveTimer()->isActive() && (!specimenTimer()->isActive() || nextCurve <= nextSpecimen);
        if (curveFirst) {
            now = nextCurve;
            curveTimer()->fire();
            nextCurve = now + curveTimer()->interval();
            if (!curveTimer()->isActive())
                curveDone = now;
        } else {
            now = nextSpecimen;
            specimenTimer()->fire();
            nextSpecimen = now + specimenTimer()->interval();
        }
    }
    return curveDone;
}

}

class StandardSpecimenTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        FormZugAnniHoch = new TFormZugAnniHoch;
        FormZugAnniHoch->formCreate();
        FormZugAnniHoch->showModal();
        QApplication::processEvents();
    }
    void cleanup()
    {
        delete FormZugAnniHoch;
        FormZugAnniHoch = nullptr;
    }

    // The specimen stands beside the diagram, as tall as it.
    void specimenBesideTheDiagram()
    {
        const QRect specimen = FormZugAnniHoch->specimen()->geometry();
        const QRect diagram = FormZugAnniHoch->diagram()->geometry();
        QCOMPARE(specimen.right() + 1, diagram.left());
        QCOMPARE(specimen.top(), diagram.top());
        QCOMPARE(specimen.height(), diagram.height());
    }

    void picturesAtRest_data()
    {
        QTest::addColumn<bool>("specimen");
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QRgb>("colour");
        QTest::newRow("plot area") << false << QPoint(100, 100) << plotYellow;
        QTest::newRow("frame, left") << false << QPoint(35, 300) << ink;
        QTest::newRow("grid column") << false << QPoint(82, 302) << ink;
        QTest::newRow("beside a grid column") << false << QPoint(83, 302) << plotYellow;
        QTest::newRow("upper head") << true << QPoint(72, 120) << grey;
        QTest::newRow("shank") << true << QPoint(78, 250) << grey;
        QTest::newRow("beside the shank") << true << QPoint(72, 250) << plotYellow;
        QTest::newRow("force arrow") << true << QPoint(100, 20) << QRgb(0x050000);
    }
    void picturesAtRest()
    {
        QFETCH(bool, specimen);
        QFETCH(QPoint, at);
        QFETCH(QRgb, colour);
        QCOMPARE(specimen ? specimenPixel(at.x(), at.y()) : diagramPixel(at.x(), at.y()), colour);
    }

    // Each range of the yield plateau is tested on its own, so the ticks at
    // its boundaries draw two pieces: the curve takes 256 ticks.
    void curveCursor_data()
    {
        QTest::addColumn<int>("ticks");
        QTest::addColumn<QPoint>("cursor");
        QTest::newRow("end of Hooke's line") << 35 << QPoint(70, 265);
        QTest::newRow("upper yield point and first drop") << 36 << QPoint(72, 263);
        QTest::newRow("lower yield point and first rise") << 41 << QPoint(78, 275);
        QTest::newRow("two ranges in one tick") << 43 << QPoint(81, 272);
        QTest::newRow("hardening begins") << 57 << QPoint(101, 242);
        QTest::newRow("tensile strength") << 186 << QPoint(230, 76);
        QTest::newRow("last tick") << curveTicks << QPoint(300, 125);
    }
    void curveCursor()
    {
        QFETCH(int, ticks);
        QFETCH(QPoint, cursor);
        item("StartZug")->trigger();
        growCurve(ticks);
        QCOMPARE(scene().cursorPixel(), cursor);
        QCOMPARE(curveTimer()->isActive(), ticks < curveTicks);
        QCOMPARE(FormZugAnniHoch->inputEnabled(), ticks >= curveTicks);
        QVERIFY(!item("StartZug")->isEnabled());
    }

    void curveWithItsLabels()
    {
        item("StartZug")->trigger();
        QVERIFY(!FormZugAnniHoch->close()); // no closing while the curve grows
        growCurve(curveTicks);
        QCOMPARE(diagramPixel(50, 365), red);  // Hooke's line
        QCOMPARE(diagramPixel(71, 260), red);  // upper yield point
        QCOMPARE(diagramPixel(77, 278), red);  // lower yield point
        QCOMPARE(diagramPixel(150, 140), red); // hardening
        QCOMPARE(diagramPixel(230, 76), red);  // tensile strength
        QCOMPARE(diagramPixel(299, 124), red); // towards the fracture
        QCOMPARE(diagramPixel(200, 200), plotYellow);
        QVERIFY(countDiagramPixels(QRect(62, 337, 60, 14), red) > 300);     // "Hookesche Gerade"
        QVERIFY(countDiagramPixels(QRect(211, 38, 60, 14), red) > 300);     // " Zugfestigkeit Rm"
        QVERIFY(countDiagramPixels(QRect(302, 187, 80, 50), labelYellow) > 1500); // the curve's caption
        QVERIFY(!curveTimer()->isActive());
        QVERIFY(specimenTimer()->isActive()); // the specimen has yet to break
        QVERIFY(!item("StartZug")->isEnabled());
    }

    // The specimen takes its phase from the curve's column when it ticks;
    // where two phases overlap it lengthens twice.
    void specimenPhases_data()
    {
        QTest::addColumn<int>("curveTicksBefore");
        QTest::addColumn<int>("interval");
        QTest::addColumn<int>("lengthened");
        QTest::addColumn<int>("leftEdge");
        QTest::addColumn<int>("rightEdge");
        QTest::newRow("elastic") << 0 << 500 << 1 << 75 << 125;
        QTest::newRow("column 70: both first phases") << 35 << 200 << 2 << 75 << 125;
        QTest::newRow("yielding") << 60 << 200 << 1 << 75 << 125;
        QTest::newRow("column 140: overlapping phases") << 96 << 200 << 2 << 76 << 124;
        QTest::newRow("column 220") << 176 << 200 << 1 << 79 << 123;
        QTest::newRow("column 295: a pause") << 251 << 50 << 0 << 75 << 125;
        QTest::newRow("column 300: fracture") << curveTicks << 200 << 0 << 85 << 117;
    }
    void specimenPhases()
    {
        QFETCH(int, curveTicksBefore);
        QFETCH(int, interval);
        QFETCH(int, lengthened);
        QFETCH(int, leftEdge);
        QFETCH(int, rightEdge);
        item("StartZug")->trigger();
        growCurve(curveTicksBefore);
        specimenTimer()->fire();
        QCOMPARE(specimenTimer()->interval(), interval);
        QCOMPARE(scene().specimenTop(), 100 - lengthened);
        QCOMPARE(scene().specimenBottom(), 400 + lengthened);
        QCOMPARE(scene().leftEdge(), leftEdge);
        QCOMPARE(scene().rightEdge(), rightEdge);
        QCOMPARE(specimenTimer()->isActive(), curveTicksBefore < curveTicks);
        // The new ends are drawn, the rows beyond them are not.
        QCOMPARE(specimenPixel(100, scene().specimenTop()), grey);
        QCOMPARE(specimenPixel(130, scene().specimenTop()), grey); // the head's full width
        QCOMPARE(specimenPixel(100, scene().specimenBottom()), grey);
        QCOMPARE(specimenPixel(72, scene().specimenTop() - 1), plotYellow);
        QCOMPARE(specimenPixel(72, scene().specimenBottom() + 1), plotYellow);
    }

    // Both timers on their own intervals, as the event loop runs them.
    void wholeRunSideBySide()
    {
        item("StartZug")->trigger();
        QCOMPARE(runSideBySide(), curveTicks * 50);
        QVERIFY(!specimenTimer()->isActive());
        QVERIFY(FormZugAnniHoch->inputEnabled());
        QCOMPARE(scene().leftEdge(), 85);
        QVERIFY(scene().specimenTop() < 100 - 40);
        QCOMPARE(scene().specimenTop() + scene().specimenBottom(), 500);
        // The fracture cuts across the whole shank, while the shank holds
        // above and below it.
        for (int x = 60; x <= 140; ++x)
            QCOMPARE(specimenPixel(x, 250), plotYellow);
        QCOMPARE(specimenPixel(100, 230), grey);
        QCOMPARE(specimenPixel(100, 270), grey);
        // The shank has narrowed on both sides, and nothing of the outlines
        // it had on the way is left beside it.
        int leftOver = 0;
        for (int y = scene().specimenTop() + 56; y < scene().specimenBottom() - 55; ++y)
            for (int x : {60, 70, 74, 75, 78, 82, 120, 122, 125, 126, 130, 140})
                leftOver += specimenPixel(x, y) != plotYellow;
        QCOMPARE(leftOver, 0);
        QCOMPARE(specimenPixel(100, 300), grey);
    }

    void repaintShowsTheUnneckedSpecimenAtItsLength()
    {
        item("StartZug")->trigger();
        growCurve(236);
        specimenTimer()->fire();
        specimenTimer()->fire();
        const int top = scene().specimenTop();
        QCOMPARE(specimenPixel(84, 250), plotYellow); // the neck, three pixels deep
        QCOMPARE(specimenPixel(86, 250), grey);
        QCOMPARE(specimenPixel(84, 239), grey);
        FormZugAnniHoch->specimen()->repaintNow();
        QCOMPARE(specimenPixel(84, 250), grey);
        QCOMPARE(specimenPixel(100, top), grey);
        QCOMPARE(specimenPixel(100, top - 1), plotYellow);
        FormZugAnniHoch->diagram()->repaintNow();
        QCOMPARE(diagramPixel(230, 76), plotYellow); // the curve is gone
    }

    void closingResets_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("broken");
        QTest::newRow("Ende while the specimen breaks") << "Ende" << false;
        QTest::newRow("Escape after the fracture") << "ESC" << true;
        QTest::newRow("title bar after the fracture") << "" << true;
    }
    void closingResets()
    {
        QFETCH(QString, how);
        QFETCH(bool, broken);
        item("StartZug")->trigger();
        growCurve(curveTicks);
        if (broken)
            specimenTimer()->fire();
        QCOMPARE(specimenTimer()->isActive(), !broken);
        if (how.isEmpty())
            QVERIFY(FormZugAnniHoch->close());
        else
            FormZugAnniHoch->findChild<QAction*>(how)->trigger();
        QVERIFY(!FormZugAnniHoch->isVisible());
        QVERIFY(!curveTimer()->isActive());
        QVERIFY(!specimenTimer()->isActive());
        QVERIFY(item("StartZug")->isEnabled());
        QCOMPARE(scene().cursorPixel(), QPoint(35, 440));
        QCOMPARE(scene().specimenTop(), 100);
        QCOMPARE(scene().specimenBottom(), 400);

        FormZugAnniHoch->showModal();
        QApplication::processEvents();
        QCOMPARE(diagramPixel(230, 76), plotYellow);
        QCOMPARE(specimenPixel(72, 99), plotYellow);
        QCOMPARE(specimenPixel(72, 100), grey);
        QCOMPARE(specimenPixel(84, 250), grey);

        // The next run's first specimen tick waits the interval the last run
        // left.
        item("StartZug")->trigger();
        QCOMPARE(specimenTimer()->interval(), broken ? 200 : 50);
        QVERIFY(specimenTimer()->isActive());
        QVERIFY(curveTimer()->isActive());
    }
};

REGISTER_TEST(StandardSpecimenTest)
#include "tst_standard_specimen.moc"
