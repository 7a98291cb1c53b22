#pragma once

#include "indentation_scene.h"

// The Vickers measurement in side view: a diamond pyramid on its holder is
// driven into the specimen, held, withdrawn; then the square impression is
// shown from above with its diagonals, and the formulas for HV are drawn.
//
// All positions are pixels on the drawing surface (560 x 500). The static
// picture goes onto the canvas of the main paint box; ticks draw onto the
// canvas of the box above it, except the plan view of the impression, which
// goes onto the main box's canvas. Both canvases share one surface.
class VickersScene : public IndentationScene {
public:
    static constexpr int lowestY = 277; // the tip 7 pixels deep in the specimen

    // The static picture, with the indenter at the current position.
    void paintStatic(tk::Canvas& haupt, int windowWidth) override;
    // One timer tick.
    void tick(tk::Canvas& down, tk::Canvas& haupt) override;
    // The formula block that ends a run.
    void paintFormulaBlock(tk::Canvas& c);
    // The command that shows the formulas at any time: the formula block and
    // the mean of the two diagonals.
    void paintCalculationBasis(tk::Canvas& down);

private:
    static void drawHolder(tk::Canvas& c, int y);
    static void drawTip(tk::Canvas& c, int y);
    static void drawLoadArrow(tk::Canvas& c);
    static void paintMeanDiagonal(tk::Canvas& c);
    static void paintFormulaTexts(tk::Canvas& c, bool withMeanDiagonal);
    void paintPlanView(tk::Canvas& haupt);
    void finishAscent(tk::Canvas& down);
};
