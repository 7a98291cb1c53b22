#include "diagram.h"

#include "canvas.h"
#include "colours.h"
#include "numbers.h"
#include "screen.h"

#include <QCoreApplication>
#include <QStringList>

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

PlotFrame PlotFrame::divided(int left, int top, int right, int bottom, int columns, int rows)
{
    return {left, top, right, bottom, idiv(right - left, columns), idiv(bottom - top, rows)};
}

void drawPlotGrid(Canvas& c, const PlotGrid& g)
{
    const PlotFrame& f = g.frame;
    c.rectangle(f.left, f.top, f.right, f.bottom);
    c.setPenStyle(PenStyle::Dot);
    c.setBrushStyle(BrushStyle::Clear);
    for (int i = g.firstRow; i <= g.lastRow; ++i)
        c.line(f.left, f.bottom - i * f.dy, f.right, f.bottom - i * f.dy);
    for (int i = g.firstColumn; i <= g.lastColumn; ++i)
        c.line(f.left + i * f.dx, f.top, f.left + i * f.dx, f.bottom);
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

void drawTexts(Canvas& c, const char* context, std::initializer_list<PlacedText> texts)
{
    drawTexts(c, context, std::span<const PlacedText>(texts.begin(), texts.size()));
}

void drawTexts(Canvas& c, const char* context, std::span<const PlacedText> texts)
{
    for (const PlacedText& t : texts)
        c.textOut(t.x, t.y, QCoreApplication::translate(context, t.text));
}

void drawPieces(Canvas& c, const QString& text, std::initializer_list<QPoint> places)
{
    QStringList pieces = text.split(QChar('|'));
    const qsizetype count = qsizetype(places.size());
    if (count > 0 && pieces.size() > count) {
        const QString rest = pieces.mid(count - 1).join(QChar(' '));
        pieces = pieces.mid(0, count - 1);
        pieces << rest;
    }
    qsizetype i = 0;
    for (const QPoint& place : places) {
        if (i < pieces.size() && !pieces[i].isEmpty())
            c.textOut(place.x(), place.y(), pieces[i]);
        ++i;
    }
}

}
