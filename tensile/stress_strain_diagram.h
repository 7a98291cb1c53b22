#pragma once

#include "toolkit/diagram.h"

#include <QColor>
#include <QSize>
#include <vector>

namespace tk {
class Canvas;
}

namespace tensile {

// What the stress-strain diagrams of the tensile windows share: the plot
// area, 11 strain steps wide and 8 stress steps high, with its grid and axis
// titles over the background bands, and the curves that grow on it one timer
// tick at a time, each described by a table.

// Where the plot area lies in a paint box of the given size: `left` and 20
// pixels from the top, 10 from the right and `bottomMargin` from the bottom.
tk::PlotFrame diagramFrame(QSize box, int left, int bottomMargin);

// The empty diagram: background bands to `windowWidth`, the plot area with
// its dotted grid, the axis titles and, where `numbered`, the stress and
// strain values on the axes. Leaves the pen solid.
void paintEmptyDiagram(tk::Canvas& c, const tk::PlotFrame& frame, int windowWidth, bool numbered);

// A point of a curve's drawing, measured from the paint box's corner, from
// the origin of the plot area, or from the curve's cursor (its row rounded
// to the nearest pixel after the offset is added).
struct MarkPoint {
    enum class From { Box, Origin, Cursor };
    From from;
    int x, y;
};

// A text on a ground of its own, or a line, drawn beside a curve.
struct CurveMark {
    enum class Kind { Text, Line };
    Kind kind;
    MarkPoint at;
    MarkPoint to;     // a line's end
    const char* text; // UTF-8
    QColor colour;    // the text's or the line's
    QColor ground;    // behind a text
    int size;         // a text's font height, a line's pen width
};

CurveMark text(MarkPoint at, const char* text, const QColor& colour, const QColor& ground, int height);
CurveMark line(MarkPoint from, MarkPoint to, const QColor& colour, int width);

// The row a piece of curve moves the cursor to, from the column it has just
// reached: the row before plus `rise`, or `a + b x + k (x - c)²`, evaluated
// in extended precision and stored in single precision.
struct RowRule {
    bool relative;
    long double a, b, k;
    int c;
};

RowRule rise(long double rows);
RowRule straight(long double a, long double b);
RowRule parabola(long double a, long double k, int c);

// A row of a curve's table, in force while the cursor's column lies in
// [from, to):
// - FromOrigin: one column on, the row by the rule, and the line drawn again
//   from the origin (Hooke's line);
// - Chord: `step` columns on, the row by the rule, a line from the last point;
// - Level: a level line `step` columns long, then the row by the rule;
// - Marks: only the marks;
// - End: the marks, and the curve is complete.
// A row that has a step draws its marks after it.
struct CurvePiece {
    enum class Shape { FromOrigin, Chord, Level, Marks, End };
    int from, to;
    Shape shape;
    int step;
    RowRule row;
    std::vector<CurveMark> marks;
};

// A curve: its colour and its table. Each tick runs every row whose range
// holds the cursor's column as the rows before left it, so a tick that ends
// one range also takes the first step of the next.
struct Curve {
    QColor colour;
    std::vector<CurvePiece> pieces;
};

// One tick of a curve: a solid pen of width 3 in the curve's colour, white
// text, then the rows in order. Returns whether the curve is complete.
bool growCurve(tk::Canvas& c, tk::CurveCursor& cursor, const tk::PlotFrame& frame, const Curve& curve);

}
