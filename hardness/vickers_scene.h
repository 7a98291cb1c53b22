#pragma once

#include "indentation_scene.h"

namespace hardness {

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
    static constexpr int dwellStartY = 271;   // from here on the ticks slow down
    static constexpr int fullForceY = 274;    // the force has built up and acts until the turn
    static constexpr int bottomY = 277;       // the tip 7 pixels deep in the specimen
    static constexpr int dwellInterval = 1500; // ms

    VickersScene() : IndentationScene(40, 20) {}

    // The formula block that ends a run.
    void paintFormulaBlock(tk::Canvas& c);
    // The command that shows the formulas at any time: the formula block and
    // the mean of the two diagonals.
    void paintCalculationBasis(tk::Canvas& down);

protected:
    std::span<const Stage> stages() const override;
    void drawIndenterAtRest(tk::Canvas& c) override;
    std::span<const tk::PlacedText> sceneTexts() const override;
    void drawDescending(tk::Canvas& down, int y) override;
    void drawAscending(tk::Canvas& down, int y) override;
    void finishRun(tk::Canvas& down) override;

private:
    static void drawHolder(tk::Canvas& c, int y);
    static void drawTip(tk::Canvas& c, int y);
    static void drawLoadArrow(tk::Canvas& c);
    static void paintMeanDiagonal(tk::Canvas& c);
    static void paintFormulaTexts(tk::Canvas& c, bool withMeanDiagonal);
    // At the lowest point: the tip vanishes into its impression, which is
    // shown from above.
    void turnAtBottom(tk::Canvas& down, tk::Canvas& haupt);
    void paintPlanView(tk::Canvas& haupt);
};

}
