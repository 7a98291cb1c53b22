#pragma once

#include <QColor>
#include <QPoint>
#include <QString>
#include <initializer_list>
#include <span>

namespace tk {

class Canvas;

// Pieces that many drawings share: the striped background, a plot frame with
// its dotted grid, a curve's drawing cursor, scale factors, and tables of
// texts placed at fixed points.

// The background bands behind the scenes and diagrams: 201 lines of width 3
// at y = 3 i from x = 4 to `right`, in the toolkit's colour numbers 65536 - i
// (almost black at the top edge, then yellow turning yellow-green). Leaves
// the pen at width 3 in the last band's colour.
void drawStripes(Canvas& canvas, int right);

// The colour of background band i.
QColor stripeColour(int i);

// A plot area: its frame (left, top, right, bottom, right and bottom edges
// excluded as for every rectangle) and the steps of its grid.
struct PlotFrame {
    int left = 0, top = 0, right = 0, bottom = 0;
    int dx = 0, dy = 0;

    // A frame whose grid steps divide it into `columns` by `rows`, each
    // division truncating toward zero.
    static PlotFrame divided(int left, int top, int right, int bottom, int columns, int rows);

    // The lower left corner, where the axes meet.
    QPoint origin() const { return {left, bottom}; }
};

// A plot area with the grid lines drawn: rows `firstRow` ... `lastRow` at
// bottom - i dy, columns `firstColumn` ... `lastColumn` at left + i dx, each
// across the plot area.
struct PlotGrid {
    PlotFrame frame;
    int firstRow = 1, lastRow = 0;
    int firstColumn = 0, lastColumn = 0;
};

// The frame with the current pen and brush, then the grid lines with a dotted
// pen over a clear brush. Leaves the pen dotted and the brush clear.
void drawPlotGrid(Canvas& canvas, const PlotGrid& grid);

// The drawing cursor of a curve that grows tick by tick: an integer column
// and a single-precision row, so the row carries the rounding of a float from
// one tick to the next as the curves were designed with. It is drawn at the
// row rounded to the nearest pixel, halves to even.
struct CurveCursor {
    int x = 0;
    float y = 0;

    void moveTo(int column, float row)
    {
        x = column;
        y = row;
    }
    int row() const;
    QPoint pixel() const { return {x, row()}; }
};

// A pair of real-valued factors that turn design pixels into drawn pixels:
// each design value is multiplied and rounded to the nearest integer, halves
// to even.
struct ScaleFactors {
    double horizontal = 1.0;
    double vertical = 1.0;

    int x(double designX) const;
    int y(double designY) const;
};

// A text at a fixed point of a drawing, by the top-left of its cell.
struct PlacedText {
    int x, y;
    const char* text; // UTF-8
};

// Draws each text with the canvas as it stands (font, brush).
void drawTexts(Canvas& canvas, std::initializer_list<PlacedText> texts);
void drawTexts(Canvas& canvas, std::span<const PlacedText> texts);
// The same in the interface language: each text is translated in the
// translation context (mark them with QT_TRANSLATE_NOOP(context, ...); a
// text without a translation, such as a standard's name, is drawn as it is).
void drawTexts(Canvas& canvas, const char* context, std::initializer_list<PlacedText> texts);
void drawTexts(Canvas& canvas, const char* context, std::span<const PlacedText> texts);

// Draws a text that is drawn in pieces (a word over two lines, a label in
// parts) onto its places: the pieces are separated by '|', so a translation
// keeps the whole text together and chooses its own breaks. Surplus pieces
// are joined to the last place, missing ones leave their places empty.
void drawPieces(Canvas& canvas, const QString& text, std::initializer_list<QPoint> places);

}
