#pragma once

#include "toolkit/diagram.h"

#include <QPoint>

namespace tk {
class Canvas;
}

namespace tensile {

// A stress-strain curve with a pronounced yield point, growing on its
// diagram, and beside it the standard specimen that lengthens, narrows, necks
// and breaks. The two run on timers of their own; the specimen takes its
// phase from how far the curve has grown (the cursor column), so the two stay
// in step whatever the timing.
class StandardSpecimenScene {
public:
    static constexpr int curveInterval = 50;          // ms
    static constexpr int layoutSpecimenInterval = 50; // before the first run
    static constexpr int elasticSpecimenInterval = 500;
    static constexpr int plasticSpecimenInterval = 200;

    // The specimen at rest: its ends, and the columns that the narrowing
    // shank's edges have reached.
    static constexpr int restTop = 100;
    static constexpr int restBottom = 400;
    static constexpr int restLeftEdge = 75;
    static constexpr int restRightEdge = 125;

    explicit StandardSpecimenScene(int diagramWidth = 570, int diagramHeight = 500);

    // The plot area in pixels of the diagram.
    const tk::PlotFrame& frame() const { return m_frame; }

    // The empty diagram; the background bands run to the window's right edge.
    void paintDiagram(tk::Canvas& c, int windowWidth);
    // The specimen at its current length, un-necked.
    void paintSpecimen(tk::Canvas& c) const;

    void start(tk::Canvas& diagram);
    void curveTick(tk::Canvas& diagram);
    void specimenTick(tk::Canvas& specimen);
    // The window closes: the cursor returns to the origin, the specimen to
    // its rest length, nothing runs and a new run may start.
    void close(tk::Canvas& diagram);

    // The stages of the test, as far as the curve has grown: Hooke's line,
    // the yield point, hardening up to the tensile strength, necking, and
    // the fracture that ends the curve.
    enum class Stage { NotStarted, Elastic, Yielding, Hardening, Necking, Broken };
    Stage stage() const;

    bool curveRunning() const { return m_curveRunning; }
    bool specimenRunning() const { return m_specimenRunning; }
    // The window takes no input while the curve grows; the specimen may
    // still be breaking after it.
    bool inputEnabled() const { return !m_curveRunning; }
    bool startEnabled() const { return m_startEnabled; }
    int specimenInterval() const { return m_specimenInterval; }

    int cursorX() const { return m_cursor.x; }
    float cursorY() const { return m_cursor.y; }
    QPoint cursorPixel() const { return m_cursor.pixel(); }

    int specimenTop() const { return m_top; }
    int specimenBottom() const { return m_bottom; }
    int leftEdge() const { return m_leftEdge; }
    int rightEdge() const { return m_rightEdge; }

private:
    // The cursor and the canvas's pen go to the origin of the plot area.
    void toOrigin(tk::Canvas& diagram);

    void lengthenElastic(tk::Canvas& c);
    void lengthen(tk::Canvas& c, int leftEdge, int rightEdge);
    void notch(tk::Canvas& c, int depth) const;
    void fracture(tk::Canvas& c);

    tk::PlotFrame m_frame;
    tk::CurveCursor m_cursor;
    bool m_curveRunning = false;
    bool m_specimenRunning = false;
    bool m_startEnabled = true;
    int m_specimenInterval = layoutSpecimenInterval;
    int m_top = restTop;
    int m_bottom = restBottom;
    int m_leftEdge = restLeftEdge;
    int m_rightEdge = restRightEdge;
};

}
