#pragma once

#include "toolkit/canvas.h"
#include "toolkit/colours.h"

#include <QColor>

// What the Brinell and Vickers measurements have in common: the position and
// direction of the indenter, the state of a run as the window reflects it
// (timer interval, timer on or off, input accepted or not), the frame and
// colours of the scene, and the striped background behind it.
//
// A run is driven by ticks: the indenter descends one pixel per 50 ms tick,
// sinks into the specimen on 1500 ms ticks, turns at its lowest point and
// rises on 50 ms ticks back to its rest position, where the run ends.
class IndentationScene {
public:
    enum class Direction { Down, Up };

    struct Frame {
        int left, top, right, bottom;
    };

    static constexpr int restY = 200;        // position between runs
    static constexpr int dwellStartY = 271;  // from here on the ticks slow down
    static constexpr int descentLimitY = 280; // the descent never draws below this
    static constexpr int fastInterval = 50;   // ms
    static constexpr int dwellInterval = 1500; // ms

    int y() const { return m_y; }
    Direction direction() const { return m_direction; }
    int interval() const { return m_interval; }
    bool timerEnabled() const { return m_timerEnabled; }
    // The window and its Start item take input only while no run is going on.
    bool inputEnabled() const { return m_inputEnabled; }
    const Frame& frame() const { return m_frame; }
    QColor sceneColour() const { return m_sceneColour; }
    QColor indenterColour() const { return m_indenterColour; }

    // The Start command: a new run begins with fast ticks, descending. The
    // window repaints itself afterwards, which clears what the last run drew.
    void start();
    // The window closes: whatever state a run left, the next showing starts
    // from rest.
    void reset();

    // The static picture, on the canvas of the main paint box.
    virtual void paintStatic(tk::Canvas& haupt, int windowWidth) = 0;
    // One timer tick: on the canvas of the box above, the plan view on the
    // main box's canvas (the same surface).
    virtual void tick(tk::Canvas& down, tk::Canvas& haupt) = 0;

protected:
    IndentationScene() = default;
    virtual ~IndentationScene() = default;

    // Static picture, first steps: frame and colours from the size of the
    // drawing surface, the background stripes, and the pink scene frame.
    void paintBackground(tk::Canvas& c, int windowWidth);
    // First steps of every tick: no input during a run; the brush and pen
    // width the indenter is drawn with.
    void beginTick(tk::Canvas& down);
    // Last step of a run: input accepted again, timer off.
    void endRun();

    int m_y = restY;
    Direction m_direction = Direction::Down;
    int m_interval = fastInterval;
    bool m_timerEnabled = false;
    bool m_inputEnabled = true;
    Frame m_frame{40, 20, 540, 480};
    // Set again at each paint; the same from the start, so that a tick is
    // drawn in the scene's colours even before the first paint.
    QColor m_sceneColour = tk::colours::sceneRose;
    QColor m_indenterColour = tk::colours::indenterRed;

private:
    void setFrameAndColours(const tk::Canvas& c);
};

namespace indentation {

// The colour of background stripe i: the toolkit's colour number 65536 - i,
// from yellow (i = 1) to yellow-green; i = 0 is almost black.
QColor stripeColour(int i);

}
