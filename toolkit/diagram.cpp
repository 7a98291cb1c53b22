#include "diagram.h"

#include "canvas.h"
#include "colours.h"
#include "numbers.h"

namespace tk {

QColor stripeColour(int i) { return tcolor(std::uint32_t(65536 - i)); }

void drawStripes(Canvas& c, int right)
{
    c.setPenWidth(3);
    for (int i = 0; i <= 200; ++i) {
        c.setPenColor(stripeColour(i));
        c.line(4, 3 * i, right, 3 * i);
    }
}

void drawPlotGrid(Canvas& c, const PlotGrid& g)
{
    c.rectangle(g.left, g.top, g.right, g.bottom);
    c.setPenStyle(PenStyle::Dot);
    c.setBrushStyle(BrushStyle::Clear);
    for (int i = g.firstRow; i <= g.lastRow; ++i)
        c.line(g.left, g.bottom - i * g.dy, g.right, g.bottom - i * g.dy);
    for (int i = g.firstColumn; i <= g.lastColumn; ++i)
        c.line(g.left + i * g.dx, g.top, g.left + i * g.dx, g.bottom);
}

int CurveCursor::row() const { return int(roundHalfEven(y)); }

int ScaleFactors::x(double designX) const { return int(roundHalfEven(designX * horizontal)); }

int ScaleFactors::y(double designY) const { return int(roundHalfEven(designY * vertical)); }

void drawTexts(Canvas& c, std::initializer_list<PlacedText> texts)
{
    drawTexts(c, std::span<const PlacedText>(texts.begin(), texts.size()));
}

void drawTexts(Canvas& c, std::span<const PlacedText> texts)
{
    for (const PlacedText& t : texts)
        c.textOut(t.x, t.y, QString::fromUtf8(t.text));
}

}
