#pragma once

#include "toolkit/diagram.h"

#include <QSize>

namespace tk {
class Canvas;
}

namespace fatigue {

using tk::ScaleFactors;

// The alternating bending machine: a double eccentric drives the connecting
// rod, which moves the drive rocker that bends the flat specimen; the
// measuring rocker and spring stand at the clamped end. The moving parts are
// drawn in not-xor mode, so drawing them again at the same place erases them
// and every tick moves them by a quarter turn of the eccentric.
class BendingMachineScene {
public:
    static constexpr int tickInterval = 50;
    static constexpr long double restAngle = 90; // degrees; the middle position

    // Where the moving parts stand at a crank angle, in design pixels.
    struct Positions {
        long double e1x, e1y; // first eccentric centre
        long double e2x, e2y; // second eccentric centre
        long double jx, jy;   // upper joint of the connecting rod
        long double kx, ky;   // end of the drive rocker
        long double sx, sy;   // free end of the specimen
    };
    static Positions positionsAt(long double degrees);

    // The whole machine at rest.
    void paint(tk::Canvas& canvas, QSize size);
    // Erases the moving parts where they stand and draws them a quarter
    // turn on.
    void tick(tk::Canvas& canvas);

    void start() { m_running = true; }
    void stop() { m_running = false; }
    // The crank back at rest (the window opening, closing or starting anew);
    // the turning goes on from where it stopped.
    void rest();

    bool running() const { return m_running; }
    long double angle() const { return m_angle; }
    int nextAngle() const { return m_counter; }
    const Positions& positions() const { return m_positions; }
    const ScaleFactors& scale() const { return m_scale; }

private:
    // The moving group: the eccentrics, connecting rod, drive rocker and
    // specimen at their positions, and the measuring rocker and spring at
    // their rows.
    void drawDrive(tk::Canvas& canvas, const Positions& p) const;
    void drawMeasuring(tk::Canvas& canvas, int rockerRow, int springRow) const;
    void drawFormulas(tk::Canvas& canvas) const;

    long double m_angle = restAngle;
    int m_counter = 0; // the angle of the next step; it goes on from run to run
    Positions m_positions = positionsAt(restAngle);
    bool m_running = false;
    ScaleFactors m_scale;
};

}
