#pragma once

// A long curve thinned for drawing: per pixel column only the first, lowest,
// highest and last point, in the order they were measured. A million points
// become at most four per column, and the drawing looks the same as with all
// of them (every peak and every dip stays).
#include <QPointF>
#include <vector>

namespace evaluation {

// x and y of the curve; the columns split [xFrom, xTo]; points outside are
// left out, except that the line into and out of the range is kept.
std::vector<QPointF> curveEnvelope(const std::vector<double>& x, const std::vector<double>& y, double xFrom, double xTo,
                                   int columns);

}
