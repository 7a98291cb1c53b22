#pragma once

#include "indentation_scene.h"

namespace hardness {

// The Rockwell C measurement in side view: a blunt diamond cone on its holder
// is pressed into the specimen first under the preliminary test force Fo,
// then under Fo plus the test force F, held, and withdrawn. Depth marks show
// the depth to under Fo, the total depth tges under Fo + F and the depth t
// that F alone causes; the conical impression is shown from above.
//
// Y is the position of the cone; its tip lies 5 pixels lower. All positions
// are pixels on the drawing surface (560 x 500). The static picture goes onto
// the canvas of the main paint box; ticks draw onto the canvas of the box
// above it, except the plan view and the depth marks of the full force, which
// go onto the main box's canvas. Both canvases share one surface.
class RockwellScene : public IndentationScene {
public:
    static constexpr int preliminaryForceY = 265; // the tip touches the specimen
    static constexpr int testForceY = 268;        // the depth to under Fo reached
    static constexpr int bottomY = 277;           // the tip 12 pixels deep
    static constexpr int unloadY = 276;           // first position of the rise
    static constexpr int preliminaryInterval = 200; // ms
    static constexpr int testForceInterval = 1500;  // ms
    static constexpr int dwellInterval = 3000;      // ms, under the full force

    RockwellScene() : IndentationScene(10, 10) {}

protected:
    std::span<const Stage> stages() const override;
    void drawIndenterAtRest(tk::Canvas& c) override;
    std::span<const tk::PlacedText> sceneTexts() const override;
    void drawDescending(tk::Canvas& down, int y) override;
    void drawAscending(tk::Canvas& down, int y) override;
    void finishRun(tk::Canvas& down) override;

private:
    static void drawHolder(tk::Canvas& c, int y);
    static void drawCone(tk::Canvas& c, int y);
    static void drawLoadArrow(tk::Canvas& c);
    // A vertical dimension arrow at x: a shaft from `from` to `to` and a
    // black head from `tip` back to `base`, `halfWidth` to either side.
    static void drawArrowHead(tk::Canvas& c, int x, int tip, int base, int halfWidth);
    static void drawCentreAndProjectionLines(tk::Canvas& c);

    // The stages of the run.
    void applyPreliminaryForce(tk::Canvas& down, tk::Canvas& haupt);
    void applyTestForce(tk::Canvas& down, tk::Canvas& haupt);
    void holdFullForce(tk::Canvas& down, tk::Canvas& haupt);
    void unload(tk::Canvas& down, tk::Canvas& haupt);
};

}
