#pragma once

#include "toolkit/diagram.h"

#include <QPoint>
#include <optional>

namespace tk {
class Canvas;
}

namespace tensile {

// The two steels whose stress-strain curves the diagram grows.
enum class Steel { Unalloyed, Austenitic };

// The stress-strain diagram: the empty diagram with grid and labels, and the
// two schematic curves that grow one timer tick at a time on the same canvas.
// Both curves share one drawing cursor: an integer column and a
// single-precision row, so the rows carry the rounding of a float between
// ticks exactly as the curves were designed with.
class StressStrainScene {
public:
    static constexpr int tickInterval = 50; // ms, both curves

    // The frame follows the size of the diagram, as each paint recomputes it.
    explicit StressStrainScene(int diagramWidth = 500, int diagramHeight = 410);

    // The plot area in pixels of the diagram, the layout's X0 (zero strain),
    // Y1, X1 and Y2 (zero stress) as left, top, right and bottom; a grid
    // step dx is 5 % strain, dy 100 N/mm².
    const tk::PlotFrame& frame() const { return m_frame; }

    // The static picture: background bands, plot area, dotted grid, labels.
    // The bands run to the right edge of the window, which may be wider.
    void paintDiagram(tk::Canvas& c, int windowWidth);

    // Begins a curve at the origin of the diagram.
    void start(Steel steel, tk::Canvas& c);
    // One tick of that curve's timer; ticks of a curve that is not running
    // draw nothing.
    void tick(Steel steel, tk::Canvas& c);
    // Erasing the curves makes both steels available again.
    void erase();
    // The window closes: the cursor returns to the origin, both steels are
    // available, nothing runs.
    void close(tk::Canvas& c);

    std::optional<Steel> running() const { return m_running; }
    bool startEnabled(Steel steel) const { return m_startEnabled[index(steel)]; }
    bool eraseEnabled() const { return m_eraseEnabled; }

    int cursorX() const { return m_cursor.x; }
    float cursorY() const { return m_cursor.y; }
    // The cursor as drawn: the row rounded to the nearest pixel, halves to even.
    QPoint cursorPixel() const { return m_cursor.pixel(); }

private:
    static int index(Steel steel) { return steel == Steel::Unalloyed ? 0 : 1; }
    // The cursor and the canvas's pen go to the origin of the plot area.
    void toOrigin(tk::Canvas& c);

    tk::PlotFrame m_frame;
    tk::CurveCursor m_cursor;
    std::optional<Steel> m_running;
    bool m_startEnabled[2] = {true, true};
    bool m_eraseEnabled = false;
};

}
