#pragma once

#include "toolkit/diagram.h"

#include <QColor>
#include <QPoint>
#include <vector>

namespace tk {
class Canvas;
}

namespace fatigue {

// Something a Wöhler curve draws as its pen passes: a text in a font colour,
// or a line in a pen colour and width. Coordinates are design pixels.
struct CurveMark {
    enum class Kind { Text, Line };
    Kind kind;
    QColor colour;
    int width; // of a line's pen
    int x1, y1, x2, y2;
    const char* text; // UTF-8, for a text at (x1, y1)

    static CurveMark label(const QColor& colour, int x, int y, const char* text)
    {
        return {Kind::Text, colour, 1, x, y, x, y, text};
    }
    static CurveMark line(const QColor& colour, int width, int x1, int y1, int x2, int y2)
    {
        return {Kind::Line, colour, width, x1, y1, x2, y2, nullptr};
    }
};

// A range of a curve: while the pen's x lies above `lower` and at most at
// `upper`, each step draws the range's marks and then a piece of the curve dx
// to the right and dy down. The first range of a curve sets the row to the
// start row instead of stepping down.
struct CurveRange {
    int lower;
    int upper;
    int dx;
    int dy;
    bool setsStartRow;
    std::vector<CurveMark> marks;
};

// A curve as its table describes it: colour, ranges in order, the x beyond
// which it stops, and the marks it draws once when it stops.
struct WoehlerCurve {
    QColor colour;
    std::vector<CurveRange> ranges;
    int stopAfter;
    std::vector<CurveMark> stopMarks;
};

// The pen of one curve, moved one tick at a time: on each tick it is drawn
// with a width of 7 over a white brush with texts of height 24, every range
// that contains the pen's x at that moment takes its step (so a step that
// crosses into the next range is followed by that range's first step in the
// same tick), then the stop test runs. Coordinates and font heights are
// design values scaled by the factors and rounded; pen widths are not scaled.
class CurveAnimator {
public:
    static constexpr QPoint start{60, 100};
    static constexpr int penWidth = 7;
    static constexpr int fontHeight = 24;

    // Back to the start of the curve, running.
    void begin();
    void stop() { m_running = false; }
    bool running() const { return m_running; }
    QPoint position() const { return m_position; }

    void tick(tk::Canvas& canvas, const WoehlerCurve& curve, const tk::ScaleFactors& scale);

    // The number of ticks from the start to the stop, as `tick` would take.
    static int ticksToStop(const WoehlerCurve& curve);

private:
    static void drawMarks(tk::Canvas& canvas, const std::vector<CurveMark>& marks, const tk::ScaleFactors& scale);
    // Steps through the ranges once; draws if a canvas is given.
    static void step(QPoint& position, tk::Canvas* canvas, const WoehlerCurve& curve, const tk::ScaleFactors& scale);

    QPoint m_position = start;
    bool m_running = false;
};

}
