#include "stress_strain_curves.h"

#include "toolkit/colours.h"

#include <QCoreApplication>

#include <limits>

namespace tensile {

namespace {

using Shape = CurvePiece::Shape;
using From = MarkPoint::From;

constexpr int first = std::numeric_limits<int>::min();
constexpr int last = std::numeric_limits<int>::max();

MarkPoint box(int x, int y) { return {From::Box, x, y}; }
MarkPoint origin(int x, int y) { return {From::Origin, x, y}; }
MarkPoint cursor(int x, int y) { return {From::Cursor, x, y}; }

// A label in white on the curve's colour.
CurveMark label(MarkPoint at, const char* s, const QColor& curve, int height = 18)
{
    return text(at, s, Qt::white, curve, height);
}

CurvePiece fromOrigin(int to, long double rows) { return {first, to, Shape::FromOrigin, 1, rise(rows), {}}; }

CurvePiece chord(int from, int to, RowRule row, std::vector<CurveMark> marks = {})
{
    return {from, to, Shape::Chord, 1, row, std::move(marks)};
}

CurvePiece level(int from, int to, int step, RowRule row) { return {from, to, Shape::Level, step, row, {}}; }

CurvePiece marks(int from, int to, std::vector<CurveMark> marks) { return {from, to, Shape::Marks, 0, {}, std::move(marks)}; }

CurvePiece end(int from, std::vector<CurveMark> marks) { return {from, last, Shape::End, 0, {}, std::move(marks)}; }

}

const Curve& unalloyedSteelCurve()
{
    using tk::colours::red;
    static const Curve curve{
        red,
        {
            fromOrigin(56, -20),                           // Hooke's line, 20 rows per column
            chord(56, 65, straight(220, -0.5L)),           // flatter, through the yield region
            level(65, 150, 1, parabola(130, 0.01L, 140)),  // hardening up to Rm
            level(150, 215, 1, parabola(130, 0.003L, 140)), // necking
            //: Label at the end of a curve where the specimen breaks, white on the curve's colour
            end(215, {label(cursor(0, 1), QT_TRANSLATE_NOOP("tensile::StressStrainCurves", "  Bruch  "), red), label(box(49, 165), "Re", red),
                      //: Label of the straight elastic part of the curves (Hooke's line), room for about 18 characters
                      label(box(60, 250), QT_TRANSLATE_NOOP("tensile::StressStrainCurves", "Hookesche Gerade"), red), label(box(140, 110), "Rm", red),
                      label(cursor(0, 20), QT_TRANSLATE_NOOP("tensile::StressStrainCurves", " unlegierter Stahl "), red)}),
        }};
    return curve;
}

const Curve& austeniticSteelCurve()
{
    using tk::colours::blue;
    static const Curve curve{
        blue,
        {
            fromOrigin(55, -19),                             // Hooke's line, 19 rows per column
            level(54, 120, 2, straight(303, -1.09L)),        // a steady transition, no yield point
            level(120, 325, 2, parabola(96, 0.0021L, 310)),  // hardening up to Rm
            level(325, 450, 2, parabola(96, 0.003L, 320)),
            end(450, {label(cursor(-20, 1), QT_TRANSLATE_NOOP("tensile::StressStrainCurves", "  Bruch  "), blue), label(box(73, 228), "Rp0.2", blue),
                      label(box(60, 250), QT_TRANSLATE_NOOP("tensile::StressStrainCurves", "Hookesche Gerade"), blue), label(box(320, 76), "Rm", blue),
                      //: Label on the strain axis at the 0.2 % offset line, room for about 14 characters
                      label(origin(15, 3), QT_TRANSLATE_NOOP("tensile::StressStrainCurves", " 0.2 % Dehnung "), blue),
                      //: Label beside the blue curve in two lines (break at \n), about 22 characters each
                      label(cursor(-100, 30), QT_TRANSLATE_NOOP("tensile::StressStrainCurves", " hochlegierter  \n austenitischer Stahl  "), blue),
                      // The 0.2 % offset line parallel to Hooke's line, and its
                      // two marks on the strain axis.
                      line(box(60, 240), origin(5, 0), tk::colours::purple, 3),
                      line(origin(0, 0), origin(0, 15), Qt::black, 1), line(origin(5, 0), origin(5, 15), Qt::black, 1)}),
        }};
    return curve;
}

const Curve& yieldPointSteelCurve()
{
    using tk::colours::red;
    static const Curve curve{
        red,
        {
            fromOrigin(71, -5), // Hooke's line, 5 rows per column
            marks(70, 71, {label(cursor(-10, 70), QT_TRANSLATE_NOOP("tensile::StressStrainCurves", "Hookesche Gerade"), red, 20)}),
            chord(71, 77, rise(3)), // the drop from the upper to the lower yield point
            // The yield plateau zigzags in steps of three rows.
            chord(77, 80, rise(-3)),
            chord(80, 82, rise(3)),
            chord(82, 84, rise(-3)),
            chord(84, 86, rise(3)),
            chord(86, 88, rise(-3)),
            chord(88, 90, rise(3)),
            chord(90, 100, rise(-3)),
            marks(98, 99,
                  {line(cursor(10, 10), cursor(-26, 10), red, 2),
                   label(cursor(20, -2), QT_TRANSLATE_NOOP("tensile::StressStrainCurves", "obere Streckgrenze ReH"), red, 20),
                   label(cursor(-20, 40), QT_TRANSLATE_NOOP("tensile::StressStrainCurves", "untere Streckgrenze ReL"), red, 20),
                   line(cursor(-10, 35), cursor(-20, 30), red, 2)}),
            level(100, 300, 1, parabola(76, 0.01L, 230)), // hardening up to Rm at column 230, then necking
            marks(230, 232, {label(cursor(-20, -40), QT_TRANSLATE_NOOP("tensile::StressStrainCurves", " Zugfestigkeit Rm"), red, 20)}),
            end(300, {label(cursor(0, 1), QT_TRANSLATE_NOOP("tensile::StressStrainCurves", "  Bruch  "), red, 20),
                      //: Caption of the curve in three lines (break at \n), about 36 characters each
                      text(cursor(0, 60),
                           QT_TRANSLATE_NOOP("tensile::StressStrainCurves", " Spannungs-Dehnungskurve \n"
                                                                            " mit ausgeprägter Streckgrenze \n"
                                                                            " z.B. un- oder niedriglegierter Stahl "),
                           Qt::black, tk::colours::yellow, 20)}),
        }};
    return curve;
}

}
