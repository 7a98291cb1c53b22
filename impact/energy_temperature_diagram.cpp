#include "energy_temperature_diagram.h"

#include "toolkit/canvas.h"
#include "toolkit/colours.h"
#include "toolkit/diagram.h"
#include "toolkit/numbers.h"
#include "toolkit/screen.h"

#include <QCoreApplication>

#include <vector>

using tk::tcolor;

namespace impact {

namespace {

constexpr int textHeight = 18;

// A text of the diagram in the interface language, its lines broken at \n
// and 20 pixels apart.
void drawText(tk::Canvas& c, int x, int y, const char* text)
{
    const QStringList lines = QCoreApplication::translate("impact::EnergyTemperatureDiagram", text).split(u'\n');
    for (int i = 0; i < lines.size(); ++i)
        c.textOut(x, y + 20 * i, lines[i]);
}

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
    //: Diagram title, first line: room for about 75 characters
    drawText(c, 50, 20, QT_TRANSLATE_NOOP("impact::EnergyTemperatureDiagram", "Kerbschlagarbeit Av in Abhängigkeit von der Prüftemperatur T (schematisch)"));
    //: Diagram title, second line: room for about 80 characters
    drawText(c, 50, 50, QT_TRANSLATE_NOOP("impact::EnergyTemperatureDiagram", "Vergleich Kubisch-raumzentrierter Werkstoff / kubisch-flächenzentrierter Werkstoff"));
    //: Title of the energy axis, above the plot area
    drawText(c, 10, 80, QT_TRANSLATE_NOOP("impact::EnergyTemperatureDiagram", "Kerbschlagarbeit (Av)/J"));
    //: Title of the temperature axis, below the plot area
    drawText(c, 220, h - 50 + 6, QT_TRANSLATE_NOOP("impact::EnergyTemperatureDiagram", "Temperatur/°C"));

    // Body-centred cubic steel: the values, the regions, the trend.
    c.setPenStyle(tk::PenStyle::Solid);
    c.setPenColor(tk::colours::blue);
    c.setPenWidth(3);
    for (const ValueColumn& values : bodyCentredValues)
        for (const auto& [top, bottom] : values.extents)
            c.ellipse(column(values.k) - 2, top, column(values.k) + 2, bottom);

    c.setBrushColor(tk::colours::lightBlue);
    //: Label of the upper shelf, on light blue, about 10 characters
    drawText(c, 380, 160, QT_TRANSLATE_NOOP("impact::EnergyTemperatureDiagram", " Hochlage "));
    //: Label of the transition region, on light blue, about 28 characters
    drawText(c, 260, 300, QT_TRANSLATE_NOOP("impact::EnergyTemperatureDiagram", " Übergang (starke Streuung) "));
    //: Label of the lower shelf, on light blue, about 10 characters
    drawText(c, 70, 320, QT_TRANSLATE_NOOP("impact::EnergyTemperatureDiagram", "Tieflage"));
    c.setBrushColor(tk::colours::green);
    c.setFontColor(Qt::white);
    //: Fracture surface in the transition region, white on green; a click shows its photograph
    drawText(c, 260, 320, QT_TRANSLATE_NOOP("impact::EnergyTemperatureDiagram", " Mischbruch "));
    //: Fracture surface on the upper shelf, white on green, about 6 characters
    drawText(c, 450, 160, QT_TRANSLATE_NOOP("impact::EnergyTemperatureDiagram", " zäh "));
    //: Fracture surface on the lower shelf, white on green, about 8 characters
    drawText(c, 144, 344, QT_TRANSLATE_NOOP("impact::EnergyTemperatureDiagram", " spröde "));
    c.setBrushColor(tk::colours::blue);
    //: Label of the body-centred cubic steel's curve in three lines (breaks at \n), about 24 characters each
    drawText(c, 350, 210, QT_TRANSLATE_NOOP("impact::EnergyTemperatureDiagram", " unlegierter/^\n"
                                                                               " niedriglegierter Stahl \n"
                                                                               " kubisch-raumzentriert "));

    drawDots(c, bodyCentredTrend());

    // Face-centred cubic steel: high and almost constant.
    c.setPenColor(tk::colours::red);
    for (int k = 1; k <= 10; ++k)
        for (int centre : {144 - 2 * k, 142 - 2 * k, 138 - 2 * k})
            c.ellipse(column(k) - 2, centre - 2, column(k) + 2, centre + 2);
    c.setBrushColor(tk::colours::red);
    //: Label of the face-centred cubic steel's curve in two lines (break at \n), about 26 characters each
    drawText(c, 70, 146, QT_TRANSLATE_NOOP("impact::EnergyTemperatureDiagram", " austenitischer Stahl \n"
                                                                              " kubisch-flächenzentriert "));

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
