#pragma once

#include "toolkit/diagram.h"

#include <QSize>
#include <QString>

namespace tk {
class Canvas;
}

namespace fatigue {

using tk::ScaleFactors;

// What differs between the Wöhler diagrams that share the logarithmic grid.
struct WoehlerGridLayout {
    int frameRight = 750;      // right edge of the plot frame
    int stressTitleTop = 29;   // top of " + Spannungsamplitude in N/qmm"
    int exponentLeft = 65;     // left of the exponent of 10 to the 2, clear of its "0"
};

// The diagram's background, plot frame and axis texts: pen black width 1,
// brush white, font height 18. The background rectangle is given in drawn
// pixels; everything else in design pixels scaled by `coordinates`. Font
// heights are scaled by `fontFactor`. The brush is left clear, so texts a
// diagram adds afterwards stand on the white ground.
void drawWoehlerAxes(tk::Canvas& canvas, QSize background, const WoehlerGridLayout& layout,
                     const ScaleFactors& coordinates, double fontFactor);

// The title of the cycles axis in the interface language, " Bruchzyklenzahl N "
// in German; a diagram may lower an index right after its N.
QString cyclesAxisTitle();

// The silver logarithmic grid: a decade is 100 design pixels wide from x 50
// for 10 to the 2, with lines for the values 2 to 9 within it, up to x 750;
// horizontal lines every 50 pixels from y 100 to y 400. Leaves the pen silver.
void drawWoehlerGridLines(tk::Canvas& canvas, const ScaleFactors& coordinates);

}
