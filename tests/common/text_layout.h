#pragma once

#include "toolkit/canvas.h"

#include <QStringList>
#include <vector>

// Checks that the texts a picture draws fit the layout they were placed in,
// from what the canvases report while drawing it:
// - a text stays inside every frame it starts in and crosses no frame edge,
//   and it stays on its surface;
// - a text standing on or hanging from a solid horizontal line a few pixels
//   away (a fraction bar) that starts within the line ends within it, and no
//   text crosses a solid vertical line drawn before it;
// - the letters of two texts do not overlap (unless the same text is drawn
//   again in the same place, or a fill covered the first one);
// - a text of one or two characters, no taller than the letter before it,
//   whose baseline lies at least `scriptOffset` pixels above or below that
//   letter's (a subscript or an exponent) touches that letter: on the rows
//   both have it begins at most a quarter of the letter's cell after it
//   (4 pixels at a cell of 16, 6 at 24) and does not run into it.
// Frames, lines and texts count only on the surface they were drawn on, and
// only what was drawn before a text bounds it.
namespace textlayout {

constexpr int scriptOffset = 3;
// Lines drawn wider than this are strokes of a drawing (arrows, curves, the
// bands of a background), not the bars and rules that bound a text.
constexpr int maxBoundaryWidth = 2;

// Records every drawing of every canvas while it lives.
class Recording {
public:
    Recording();
    ~Recording();
    Recording(const Recording&) = delete;
    Recording& operator=(const Recording&) = delete;

    const std::vector<tk::Drawing>& drawings() const { return m_drawings; }
    void clear() { m_drawings.clear(); }

private:
    std::vector<tk::Drawing> m_drawings;
};

// One line per fault, naming the text and what it crosses; empty when the
// layout holds.
QStringList faults(const std::vector<tk::Drawing>& drawings);

}
