#include "hardness/tester_schematic_form.h"

#include "common/test_main.h"
#include "toolkit/colours.h"
#include "toolkit/controls.h"
#include "toolkit/paintbox.h"

#include <QAction>
#include <QLabel>
#include <QScrollBar>
#include <cmath>
#include <memory>

namespace {

constexpr QRgb outline = 0x010000; // the pen of the whole drawing
constexpr QRgb black = 0x000000;
constexpr QRgb paleCyan = 0xDFFFFE;
constexpr QRgb green = 0x008000;
constexpr QRgb lightGrey = 0xA6A6A6;
constexpr QRgb grey = 0x808080;
constexpr QRgb silver = 0xC0C0C0;
constexpr QRgb red = 0xFF0000;

struct TesterDrawing {
    std::shared_ptr<tk::Surface> surface = std::make_shared<tk::Surface>(520, 500);
    tk::Canvas c{surface};

    TesterDrawing()
    {
        surface->fill(tk::colours::windowGreen);
        c.startPaint(tk::Font::cell(QStringLiteral("MS Sans Serif"), 11), tk::colours::windowGreen);
        hardness::paintHardnessTester(c, 800);
    }
    int pixelsOf(QRgb colour, const QRect& r) const
    {
        int n = 0;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                n += c.pixel(x, y) == colour;
        return n;
    }
    // Outline pixels within a pixel of a point.
    int outlineNear(QPointF p) const
    {
        const QPoint centre = p.toPoint();
        return pixelsOf(outline, QRect(centre - QPoint(1, 1), QSize(3, 3)));
    }
};

}

class TesterSchematicDrawingTest : public QObject {
    Q_OBJECT
private slots:
    void pixels_data()
    {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<uint>("colour");

        QTest::newRow("stripe 50 left of the frame") << QPoint(10, 150) << uint(0xCEFF00);
        QTest::newRow("frame edge") << QPoint(20, 100) << uint(outline);
        QTest::newRow("inside the frame") << QPoint(30, 100) << uint(paleCyan);
        QTest::newRow("base") << QPoint(250, 450) << uint(green);
        QTest::newRow("beside the base") << QPoint(45, 445) << uint(paleCyan);
        QTest::newRow("force plate") << QPoint(400, 430) << uint(green);
        QTest::newRow("body, foot") << QPoint(80, 420) << uint(outline);
        QTest::newRow("body, back") << QPoint(240, 300) << uint(outline);
        QTest::newRow("body, screen holder") << QPoint(90, 140) << uint(outline);
        QTest::newRow("body, front") << QPoint(320, 300) << uint(outline);
        QTest::newRow("mount") << QPoint(150, 185) << uint(lightGrey);
        QTest::newRow("mount, middle") << QPoint(150, 197) << uint(grey);
        QTest::newRow("shank") << QPoint(150, 225) << uint(lightGrey);
        QTest::newRow("indenter") << QPoint(150, 231) << uint(black);
        QTest::newRow("specimen") << QPoint(150, 267) << uint(red);
        QTest::newRow("spindle") << QPoint(150, 350) << uint(grey);
        QTest::newRow("viewing screen") << QPoint(87, 145) << uint(black);
        QTest::newRow("force column") << QPoint(280, 190) << uint(silver);
        QTest::newRow("first mark") << QPoint(279, 205) << uint(black);
        QTest::newRow("between marks") << QPoint(279, 215) << uint(silver);
        QTest::newRow("lever") << QPoint(150, 402) << uint(silver);
        QTest::newRow("lever pivot") << QPoint(120, 402) << uint(black);
    }
    void pixels()
    {
        QFETCH(QPoint, at);
        QFETCH(uint, colour);
        TesterDrawing d;
        QCOMPARE(d.c.pixel(at.x(), at.y()), QRgb(colour));
    }

    // Each quarter arc runs counter-clockwise from its start to its end: its
    // middle is drawn, the middle of the opposite quarter is not.
    void arcs_data()
    {
        QTest::addColumn<QPointF>("centre");
        QTest::addColumn<double>("radius");
        QTest::addColumn<double>("middleAngle");

        QTest::newRow("over the foot") << QPointF(100, 400) << 20.0 << 135.0;
        QTest::newRow("lower arm to back") << QPointF(220, 360) << 20.0 << 315.0;
        QTest::newRow("back to upper arm") << QPointF(220, 200) << 20.0 << 45.0;
        QTest::newRow("upper arm to screen holder") << QPointF(100, 170) << 10.0 << 225.0;
        QTest::newRow("screen holder to top") << QPointF(100, 120) << 10.0 << 135.0;
        QTest::newRow("top to front") << QPointF(280, 150) << 40.0 << 45.0;
    }
    void arcs()
    {
        QFETCH(QPointF, centre);
        QFETCH(double, radius);
        QFETCH(double, middleAngle);
        TesterDrawing d;
        auto at = [&](double degrees) {
            const double a = qDegreesToRadians(degrees);
            return centre + QPointF(radius * std::cos(a), -radius * std::sin(a));
        };
        QVERIFY(d.outlineNear(at(middleAngle)) > 0);
        QCOMPARE(d.outlineNear(at(middleAngle + 180)), 0);
    }

    void labels_data()
    {
        QTest::addColumn<QRect>("box");
        QTest::addColumn<QRgb>("colour");

        QTest::newRow("title") << QRect(30, 25, 420, 22) << black;
        QTest::newRow("specimen") << QRect(110, 250, 30, 14) << black;
        QTest::newRow("indenter") << QRect(47, 220, 60, 14) << black;
        QTest::newRow("viewing screen") << QRect(100, 80, 300, 14) << black;
        QTest::newRow("test force") << QRect(330, 240, 60, 14) << black;
        QTest::newRow("pointer to the screen") << QRect(68, 118, 6, 6) << outline;
        QTest::newRow("pointer to the column") << QRect(303, 242, 6, 6) << outline;
    }
    void labels()
    {
        QFETCH(QRect, box);
        QFETCH(QRgb, colour);
        TesterDrawing d;
        QVERIFY(d.pixelsOf(colour, box) > 0);
    }

    void frameAndBaseFollowTheBox()
    {
        auto surface = std::make_shared<tk::Surface>(600, 560);
        tk::Canvas c(surface);
        c.startPaint(tk::Font::cell(QStringLiteral("MS Sans Serif"), 11), tk::colours::windowGreen);
        hardness::paintHardnessTester(c, 800);
        QCOMPARE(c.pixel(579, 300), outline);
        QCOMPARE(c.pixel(300, 539), outline);
        QCOMPARE(c.pixel(540, 510), green);
        QCOMPARE(c.pixel(80, 420), outline); // the machine stays where it is
    }
};

class TesterSchematicFormTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        if (!FormHaerte) {
            FormHaerte = new TFormHaerte;
            FormHaerte->formCreate();
        }
    }
    void cleanup() { FormHaerte->hide(); }

    // The explanation beside the drawing, 34 lines with two blank ones
    // between its paragraphs, scrolls.
    void scrollingExplanation()
    {
        tk::Memo* memo = FormHaerte->memo();
        QCOMPARE(memo->geometry().right() + 1, FormHaerte->paintBoxHaupt()->x());
        const QStringList lines = memo->lines();
        QCOMPARE(lines.size(), 34);
        for (int i = 0; i < lines.size(); ++i) {
            const bool empty = i == 4 || i == 20;
            QCOMPARE(lines.at(i).isEmpty(), empty);
            QVERIFY2(empty || lines.at(i).startsWith(QChar(' ')), qPrintable(lines.at(i)));
        }
        QVERIFY(memo->isReadOnly());
        // 34 rows do not fit: the text scrolls.
        FormHaerte->showModal();
        QCoreApplication::processEvents();
        QVERIFY(memo->verticalScrollBar()->isVisible());
        FormHaerte->paintBoxHaupt()->ensurePainted();
        QCOMPARE(FormHaerte->paintBoxHaupt()->canvas().pixel(150, 267), red);
        FormHaerte->findChild<QAction*>(QStringLiteral("ESC"))->trigger();
        QVERIFY(!FormHaerte->isVisible());
    }
};

REGISTER_TEST(TesterSchematicDrawingTest)
REGISTER_TEST(TesterSchematicFormTest)

#include "tst_tester_schematic.moc"
