#pragma once

#include "indentation_scene.h"

namespace hardness {

// The Brinell measurement in side view: a hardened steel ball in its holder
// is pressed into the specimen, held, withdrawn; then the round impression is
// shown from above with its diameter d, and the formulas for HB are drawn.
//
// All positions are pixels on the drawing surface (560 x 500); Y is the
// lowest point of the ball. The static picture goes onto the canvas of the
// main paint box; ticks draw onto the canvas of the box above it, except the
// plan view of the impression, which goes onto the main box's canvas. Both
// canvases share one surface.
class BrinellScene : public IndentationScene {
public:
    static constexpr int dwellStartY = 271;   // from here on the ticks slow down
    static constexpr int fullForceY = 276;    // the force has built up and acts until the turn
    static constexpr int bottomY = 280;       // the ball 10 pixels deep in the specimen
    static constexpr int dwellInterval = 1500; // ms

    BrinellScene() : IndentationScene(40, 20) {}

    // The formula block, which ends a run and which the menu shows at any time.
    void paintFormulaBlock(tk::Canvas& c);

protected:
    std::span<const Stage> stages() const override;
    void drawIndenterAtRest(tk::Canvas& c) override;
    std::span<const tk::PlacedText> sceneTexts() const override;
    void drawDescending(tk::Canvas& down, int y) override;
    void drawAscending(tk::Canvas& down, int y) override;
    void finishRun(tk::Canvas& down) override;

private:
    static void drawIndenter(tk::Canvas& c, int y);
    static void drawRisingIndenter(tk::Canvas& c, int y); // holder 2 pixels higher
    static void drawLoadArrow(tk::Canvas& c, int top);
    static void drawDiameterDimension(tk::Canvas& c);
    // Wipes the ball at its lowest place (its dent in the specimen stays in
    // the scene colour) and the band of the scene from bandTop to y 250.
    void wipeBelowIndenter(tk::Canvas& c, int bandTop);
    // At the lowest point: the ball is wiped from its dent, and the
    // impression is shown from above.
    void turnAtBottom(tk::Canvas& down, tk::Canvas& haupt);
    void paintPlanView(tk::Canvas& haupt);
};

}
