#pragma once

#include "toolkit/canvas.h"

#include <QPoint>

namespace impact {

// The pendulum impact tester: the machine with its hammer at rest, the
// formula panel, the drawing of the notched specimen, the link panel to the
// impact energy-temperature curve, and the swing of the hammer through the
// specimen.
//
// Angles are whole degrees from the upward vertical, growing clockwise. The
// moving hammer is drawn in not-xor mode: each tick draws it at the new angle
// and draws it again at the previous one, which erases it there.
class PendulumScene {
public:
    enum class Phase { Ready, Swinging, Finished };

    static constexpr int tickInterval = 50; // ms
    static constexpr int restAngle = 20;
    static constexpr int angleStep = 5;
    static constexpr int endAngle = 260;     // the swing stops once the hammer has reached 255°
    static constexpr int breakAngle = 195;   // beyond it the specimen has gone
    static constexpr int strikingEdgeOffset = 8;

    explicit PendulumScene(int windowWidth = 800);

    // The static pictures, one per paint box.
    void paintMachine(tk::Canvas& c);
    static void paintFormula(tk::Canvas& c);
    static void paintSpecimen(tk::Canvas& c);
    static void paintLink(tk::Canvas& c);

    void start();
    void tick(tk::Canvas& c);
    // Back to Ready, as after "new" or closing; the caller repaints.
    void reset();

    Phase phase() const { return m_phase; }
    bool running() const { return m_phase == Phase::Swinging; }
    bool startEnabled() const { return m_phase == Phase::Ready; }
    bool newEnabled() const { return m_phase == Phase::Finished; }
    bool linkEnabled() const { return m_phase != Phase::Swinging; }

    int angle() const { return m_angle; }
    int previousAngle() const { return m_previousAngle; }

    QPoint pivot() const { return {m_left + 250, m_top + 210}; }
    // The point at the given angle and distance from the pivot, rounded
    // half to even.
    QPoint pointAt(int degrees, long double distance) const;
    long double headDistance() const { return 0.8L * m_windowWidth / 4; }
    long double armLength() const { return 0.8L * m_windowWidth / 5; }
    long double dialRadius() const { return static_cast<long double>(m_windowWidth) / 18; }

    // One not-xor drawing of the moving hammer (head, arm, striking edge).
    void drawMovingHammer(tk::Canvas& c, int degrees) const;

private:
    void drawBackground(tk::Canvas& c) const;
    void drawDial(tk::Canvas& c) const;
    void drawFrame(tk::Canvas& c) const;
    void drawHammerAtRest(tk::Canvas& c) const;
    void drawSpecimenOnSupport(tk::Canvas& c) const;
    void drawLabels(tk::Canvas& c) const;
    void drawHeights(tk::Canvas& c);

    int m_windowWidth;
    Phase m_phase = Phase::Ready;
    int m_angle = restAngle;
    int m_previousAngle = restAngle;
    // Frame of the scene, taken from the paint box on every paint.
    int m_left = 10;
    int m_top = 10;
    int m_right = 510;
};

}
