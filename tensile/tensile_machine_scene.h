#pragma once

#include <QColor>

namespace tk {
class Canvas;
}

namespace tensile {

// The schematic tensile testing machine: the frame with its threaded
// spindles and fixed upper grip, and the movable crosshead with the lower
// grip, which first rises one pixel per tick to carry the specimen's upper
// head into the upper grip and then, in slow steps, travels down until the
// specimen has stretched by five pixels and breaks.
//
// The crosshead position p grows upwards on the screen; every part of the
// moving group hangs at a fixed distance below "460 - p". The phase q tells
// the rise (q = 170) from the pull (q = 210).
class TensileMachineScene {
public:
    static constexpr int restPosition = 170;  // p and q before a run
    static constexpr int gripPosition = 210;  // the specimen's upper head sits in the upper grip
    static constexpr int breakPosition = 205; // the specimen breaks when the crosshead gets here
    static constexpr int layoutInterval = 50; // ms, before the first run
    static constexpr int riseInterval = 100;
    static constexpr int pullInterval = 5000;

    // The static machine with the crosshead and specimen at the current p.
    // The background bands run to the right edge of the window.
    void paintMachine(tk::Canvas& c, int windowWidth) const;

    // Starts the run; `moving` is the canvas of the box the ticks draw on.
    void start(tk::Canvas& moving);
    void tick(tk::Canvas& moving);
    // "&Neu": back to the rest position, ready for the next run; the caller
    // repaints.
    void renew();
    // The window closes: back to the rest position, nothing runs, Start is
    // available; Neu keeps its state.
    void close();

    int position() const { return m_p; }
    int phase() const { return m_q; }
    bool running() const { return m_running; }
    int interval() const { return m_interval; }
    bool startEnabled() const { return m_startEnabled; }
    bool newEnabled() const { return m_newEnabled; }

private:
    int m_p = restPosition;
    int m_q = restPosition;
    bool m_running = false;
    int m_interval = layoutInterval;
    bool m_startEnabled = true;
    bool m_newEnabled = false;
};

}
