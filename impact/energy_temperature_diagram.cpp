#include "energy_temperature_diagram.h"

#include "toolkit/canvas.h"
#include "toolkit/colours.h"
#include "toolkit/diagram.h"
#include "toolkit/numbers.h"
#include "toolkit/screen.h"

#include <vector>

using tk::tcolor;

namespace impact {

namespace {

constexpr int textHeight = 18;

// The measured values of the body-centred cubic steel: per column of the
// grid, the vertical extents of its dots. The scatter is widest in the
// transition.
struct ValueColumn {
    int k;
    std::vector<std::pair<int, int>> extents;
};
const ValueColumn bodyCentredValues[] = {
    {10, {{187, 191}, {184, 188}, {183, 187}}},
    {9, {{192, 196}, {187, 191}, {183, 187}, {182, 186}}},
    {8, {{196, 200}, {191, 195}, {187, 191}, {184, 188}}},
    {7, {{216, 220}, {206, 210}, {201, 205}, {195, 199}}},
    {6, {{271, 275}, {260, 264}, {236, 240}, {230, 234}, {221, 225}, {210, 214}}},
    {5, {{306, 310}, {294, 298}, {274, 278}, {280, 284}, {254, 258}, {239, 243}, {234, 238}}},
    {4, {{326, 330}, {320, 324}, {300, 305}, {290, 294}, {285, 289}, {281, 285}}},
    {3, {{339, 343}, {331, 335}, {326, 330}, {321, 325}, {320, 324}, {315, 319}}},
    {2, {{346, 350}, {341, 345}, {337, 341}, {333, 337}}},
    {1, {{349, 353}, {347, 351}, {342, 346}, {339, 343}}},
};

// The trend of the body-centred cubic steel in pieces over columns (both
// ends included): the lower shelf, the steep transition, the upper shelf.
struct TrendPiece {
    int from, to;
    long double (*row)(int x);
};
long double squared(int v) { return static_cast<long double>(v) * v; }
const TrendPiece bodyCentredPieces[] = {
    {60, 130, [](int x) { return 348 - 0.0004L * squared(x); }},
    {130, 170, [](int x) { return 358 - 0.001L * squared(x); }},
    {170, 290, [](int x) { return 360 - 0.002L * squared(x - 44); }},
    {290, 370, [](int x) { return 192 + 0.006L * squared(x - 380); }},
    {370, 470, [](int x) { return 210 - 0.05L * x; }},
};

int pixelRow(long double row) { return static_cast<int>(tk::roundHalfEven(tk::toSingle(row))); }

void drawDots(tk::Canvas& c, const std::vector<QPoint>& dots)
{
    // A wide pen draws a line of no length as a round dot.
    for (const QPoint& p : dots) {
        c.moveTo(p.x(), p.y());
        c.lineTo(p.x(), p.y());
    }
}

}

std::vector<QPoint> bodyCentredTrend()
{
    std::vector<QPoint> dots;
    for (const TrendPiece& piece : bodyCentredPieces)
        for (int x = piece.from; x <= piece.to; ++x)
            dots.emplace_back(x, pixelRow(piece.row(x)));
    return dots;
}

std::vector<QPoint> faceCentredTrend()
{
    std::vector<QPoint> dots;
    for (int x = 60; x <= 470; ++x)
        dots.emplace_back(x, pixelRow(144 - 0.05L * x));
    return dots;
}

void paintEnergyTemperatureDiagram(tk::Canvas& c)
{
    const int w = c.width();
    const int h = c.height();

    // Vertical bands from cyan towards lilac; the first is black.
    c.setPenMode(tk::PenMode::Copy);
    c.setPenStyle(tk::PenStyle::Solid);
    c.setPenWidth(6);
    for (int i = 0; i <= 140; ++i) {
        c.setPenColor(tcolor(std::uint32_t(0x1000000 - 255 * i)));
        c.line(4 * i, 0, 4 * i, h);
    }

    // The plot area, framed in the colour of the last band.
    const tk::PlotFrame frame = tk::PlotFrame::divided(50, 100, w - 50, h - 50, 11, 5);
    c.setPenWidth(1);
    c.setBrushColor(tk::colours::paleYellow);
    tk::drawPlotGrid(c, {.frame = frame, .firstRow = 1, .lastRow = 4, .firstColumn = 1, .lastColumn = 10});
    auto column = [&frame](int k) { return frame.left + k * frame.dx; };

    // Titles under a rule in the grid's pen; the axes carry no numbers.
    c.line(0, 70, 550, 70);
    c.setFontHeight(textHeight);
    c.setFontColor(Qt::black);
    tk::drawTexts(c, {{50, 20, "Kerbschlagarbeit Av in Abhängigkeit von der Prüftemperatur T (schematisch)"},
                      {50, 50, "Vergleich Kubisch-raumzentrierter Werkstoff / kubisch-flächenzentrierter Werkstoff"},
                      {10, 80, "Kerbschlagarbeit (Av)/J"},
                      {220, h - 50 + 6, "Temperatur/°C"}});

    // Body-centred cubic steel: the values, the regions, the trend.
    c.setPenStyle(tk::PenStyle::Solid);
    c.setPenColor(tk::colours::blue);
    c.setPenWidth(3);
    for (const ValueColumn& values : bodyCentredValues)
        for (const auto& [top, bottom] : values.extents)
            c.ellipse(column(values.k) - 2, top, column(values.k) + 2, bottom);

    c.setBrushColor(tk::colours::lightBlue);
    tk::drawTexts(c, {{380, 160, " Hochlage "}, {260, 300, " Übergang (starke Streuung) "}, {70, 320, "Tieflage"}});
    c.setBrushColor(tk::colours::green);
    c.setFontColor(Qt::white);
    tk::drawTexts(c, {{260, 320, " Mischbruch "}, {450, 160, " zäh "}, {144, 344, " spröde "}});
    c.setBrushColor(tk::colours::blue);
    tk::drawTexts(c, {{350, 210, " unlegierter/^"},
                      {350, 230, " niedriglegierter Stahl "},
                      {350, 250, " kubisch-raumzentriert "}});

    drawDots(c, bodyCentredTrend());

    // Face-centred cubic steel: high and almost constant.
    c.setPenColor(tk::colours::red);
    for (int k = 1; k <= 10; ++k)
        for (int centre : {144 - 2 * k, 142 - 2 * k, 138 - 2 * k})
            c.ellipse(column(k) - 2, centre - 2, column(k) + 2, centre + 2);
    c.setBrushColor(tk::colours::red);
    tk::drawTexts(c, {{70, 146, " austenitischer Stahl "}, {70, 166, " kubisch-flächenzentriert "}});

    drawDots(c, faceCentredTrend());
}

std::vector<FracturePicture> fracturePicturesAt(QPoint p)
{
    struct Region {
        int left, top, right, bottom; // bounds excluded
        FracturePicture picture;
    };
    static const Region regions[] = {
        {370, 160, 480, 200, FracturePicture::Tough},   // upper shelf, " zäh "
        {270, 280, 340, 370, FracturePicture::Mixed},   // " Mischbruch "
        {100, 280, 200, 370, FracturePicture::Brittle}, // lower shelf, " spröde "
        {0, 0, 300, 180, FracturePicture::Austenitic},  // the austenitic steel's curve and labels
    };
    std::vector<FracturePicture> found;
    for (const Region& r : regions)
        if (p.x() > r.left && p.x() < r.right && p.y() > r.top && p.y() < r.bottom)
            found.push_back(r.picture);
    return found;
}

}
