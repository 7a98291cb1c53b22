#include "common/test_main.h"

#include "tensile/stress_strain_diagram.h"
#include "toolkit/canvas.h"

#include <memory>

using tensile::Curve;
using tensile::CurvePiece;
using tensile::MarkPoint;
using Shape = tensile::CurvePiece::Shape;

namespace {

constexpr QRgb red = 0xFF0000;
constexpr QRgb black = 0x000000;
constexpr QRgb white = 0xFFFFFF;

// Small tables, each showing one rule of a curve's tick.
const std::vector<Curve>& curves()
{
    const MarkPoint cursorBelow{MarkPoint::From::Cursor, 0, 1};
    const MarkPoint cursorRight{MarkPoint::From::Cursor, 10, 1};
    static const std::vector<Curve> all = {
        {Qt::red, {{-1000, 100, Shape::FromOrigin, 1, tensile::rise(-10), {}}}},
        {Qt::red, {{0, 100, Shape::Chord, 2, tensile::straight(100, -2), {}}}},
        {Qt::red, {{0, 100, Shape::Level, 4, tensile::parabola(20, 0.5L, 30), {}}}},
        {Qt::red,
         {{0, 31, Shape::Chord, 1, tensile::rise(1), {}}, {31, 40, Shape::Level, 2, tensile::rise(0), {}}}},
        {Qt::red, {{30, 1000, Shape::End, 0, {}, {tensile::line(cursorBelow, cursorRight, Qt::black, 1)}}}},
        {Qt::red, {{0, 30, Shape::Level, 1, tensile::rise(0), {}}}},
    };
    return all;
}

}

class StressStrainDiagramTest : public QObject {
    Q_OBJECT
private slots:
    void frameDividesIntoElevenByEight()
    {
        const tk::PlotFrame f = tensile::diagramFrame(QSize(570, 500), 35, 60);
        QCOMPARE(QRect(QPoint(f.left, f.top), QPoint(f.right, f.bottom)), QRect(QPoint(35, 20), QPoint(560, 440)));
        QCOMPARE(f.dx, 47);
        QCOMPARE(f.dy, 52);
        QCOMPARE(f.origin(), QPoint(35, 440));
    }

    void oneTick_data()
    {
        QTest::addColumn<int>("curve");
        QTest::addColumn<float>("startRow");
        QTest::addColumn<QPoint>("cursor"); // after the tick
        QTest::addColumn<float>("row");
        QTest::addColumn<bool>("complete");
        QTest::addColumn<QPoint>("inked");
        QTest::addColumn<QRgb>("ink");
        QTest::addColumn<QPoint>("blank");
        // From (30, 50): the line runs from the origin (10, 90), not from the cursor.
        QTest::newRow("from origin") << 0 << 50.0f << QPoint(31, 40) << 40.0f << false << QPoint(20, 66) << red
                                     << QPoint(31, 48);
        QTest::newRow("chord by formula") << 1 << 50.0f << QPoint(32, 36) << 36.0f << false << QPoint(31, 43) << red
                                          << QPoint(20, 66);
        // Level first, then the row follows the parabola: 20 + 0.5 (34 - 30)².
        QTest::newRow("level, then row") << 2 << 50.0f << QPoint(34, 28) << 28.0f << false << QPoint(33, 50) << red
                                         << QPoint(33, 28);
        // The chord ends its range at column 31; the level piece steps on in the same tick.
        QTest::newRow("chained ranges") << 3 << 50.0f << QPoint(33, 51) << 51.0f << false << QPoint(33, 51) << red
                                        << QPoint(37, 51);
        // A mark beside the cursor rounds the row with its offset: 40.5 + 1 is row 42, halves to even.
        QTest::newRow("end with marks") << 4 << 40.5f << QPoint(30, 40) << 40.5f << true << QPoint(35, 42) << black
                                        << QPoint(35, 41);
        QTest::newRow("beyond every range") << 5 << 50.0f << QPoint(30, 50) << 50.0f << false << QPoint(0, 0)
                                            << white << QPoint(31, 50);
    }
    void oneTick()
    {
        QFETCH(int, curve);
        QFETCH(float, startRow);
        auto surface = std::make_shared<tk::Surface>(100, 100);
        tk::Canvas c(surface);
        const tk::PlotFrame frame{10, 10, 90, 90, 8, 10};
        tk::CurveCursor cursor;
        cursor.moveTo(30, startRow);

        const bool complete = tensile::growCurve(c, cursor, frame, curves()[curve]);

        QTEST(cursor.pixel(), "cursor");
        QTEST(cursor.y, "row");
        QTEST(complete, "complete");
        QFETCH(QPoint, inked);
        QTEST(c.pixel(inked.x(), inked.y()), "ink");
        QFETCH(QPoint, blank);
        QCOMPARE(c.pixel(blank.x(), blank.y()), white);
    }
};

REGISTER_TEST(StressStrainDiagramTest)

#include "tst_stress_strain_diagram.moc"
