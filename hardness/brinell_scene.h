#pragma once

#include "indentation_scene.h"

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
    static constexpr int lowestY = 280; // the ball 10 pixels deep in the specimen

    // The static picture, with the ball at the current position.
    void paintStatic(tk::Canvas& haupt, int windowWidth) override;
    // One timer tick.
    void tick(tk::Canvas& down, tk::Canvas& haupt) override;
    // The formula block, which ends a run and which the menu shows at any time.
    void paintFormulaBlock(tk::Canvas& c);

private:
    static void drawIndenter(tk::Canvas& c, int y);
    static void drawRisingIndenter(tk::Canvas& c, int y); // holder 2 pixels higher
    static void drawLoadArrow(tk::Canvas& c, int top);
    static void drawDiameterDimension(tk::Canvas& c);
    // Wipes the ball at its lowest place (its dent in the specimen stays in
    // the scene colour) and the band of the scene from bandTop to y 250.
    void wipeBelowIndenter(tk::Canvas& c, int bandTop);
    void paintPlanView(tk::Canvas& haupt);
    void finishAscent(tk::Canvas& down);
};
