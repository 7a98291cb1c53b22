#pragma once

// What the evaluation diagrams draw alike: pens and point sizes that grow
// with the font (so a diagram stays in proportion on a screen, a scaled
// screen and a printed page), the grid with its labels, labels in coloured
// boxes as the teaching diagrams set them, the points and the message that
// stands in the plot where there is nothing to draw.
#include "diagram_axes.h"

#include <QColor>
#include <QFont>
#include <QPen>
#include <QRectF>

class QPainter;
class QPaintDevice;

namespace evaluation::windows {

struct DiagramPens {
    DiagramPens(const QFont& font, QPaintDevice* device);

    double lineHeight = 12;   // of the font, in device pixels
    double lineWidth = 2;     // of curves and lines
    double pointRadius = 4;   // of measured points

    // A solid pen of lineWidth times factor; a dashed one of lineWidth; the
    // dotted pen of the grid.
    QPen solid(const QColor& colour, double factor = 1.0) const;
    QPen dashed(const QColor& colour) const;
    QPen dotted(const QColor& colour) const;
};

// The grid lines inside the plot at the ticks (not on its frame).
void drawLinearGrid(QPainter& p, const DiagramPens& pens, const QRectF& plot, const LinearTicks& x,
                    const LinearTicks& y);
void drawTickLabelsBelow(QPainter& p, const QRectF& plot, const LinearTicks& x);
void drawTickLabelsLeft(QPainter& p, const QRectF& plot, const LinearTicks& y);
// The horizontal axis' title centred below its labels, the vertical one's
// turned upright along the left edge of area.
void drawAxisTitles(QPainter& p, const QRectF& area, const QRectF& plot, const QString& xTitle,
                    const QString& yTitle);

// A label on a coloured box at the top of a region, centred; left out where
// the region is narrower than the label.
void drawLabelInside(QPainter& p, const DiagramPens& pens, const QRectF& region, const QString& text,
                     const QColor& box, const QColor& ink);
// A label on a coloured box beside `anchor`: left or right of it, centred
// on its height, or above it (AlignTop), kept inside `bounds`.
void drawLabelBeside(QPainter& p, const DiagramPens& pens, const QPointF& anchor, Qt::Alignment side,
                     const QString& text, const QColor& box, const QColor& ink, const QRectF& bounds);

// A measured point: a filled disc with a black rim.
void drawPoint(QPainter& p, const DiagramPens& pens, const QPointF& at, const QColor& fill);

// A title and an explanation in a framed box near the top of the plot, on a
// slightly translucent ground; the diagrams draw their points after it, so
// that it hides none of them.
void drawMessage(QPainter& p, const DiagramPens& pens, const QRectF& plot, const QString& title,
                 const QString& text);

}
