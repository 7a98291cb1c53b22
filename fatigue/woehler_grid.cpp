#include "woehler_grid.h"

#include "toolkit/canvas.h"
#include "toolkit/colours.h"
#include "toolkit/numbers.h"

#include <QCoreApplication>

namespace fatigue {

namespace {

int fontHeight(int height, double factor) { return int(tk::roundHalfEven(height * factor)); }

// Offsets of the lines for the values 2 ... 9 and the next decade within a
// decade that starts 30 pixels left of the first of them: 30 + 100 log10(v).
constexpr int decadeLines[] = {80, 98, 110, 120, 128, 135, 141, 146, 150};

}

QString cyclesAxisTitle()
{
    //: Title of the cycles axis below the Wöhler diagram: number of cycles to failure N, about 24
    //: characters; keep the N at its end, some diagrams lower an index B right after it
    return QCoreApplication::translate("fatigue::WoehlerGrid", " Bruchzyklenzahl N ");
}

void drawWoehlerAxes(tk::Canvas& c, QSize background, const WoehlerGridLayout& layout, const ScaleFactors& s,
                     double fontFactor)
{
    c.setPenColor(Qt::black);
    c.setPenWidth(1);
    c.setBrushColor(Qt::white);
    c.setFontHeight(fontHeight(18, fontFactor));
    c.rectangle(0, 0, background.width(), background.height());
    c.rectangle(s.x(50), s.y(50), s.x(layout.frameRight), s.y(450));

    c.setBrushStyle(tk::BrushStyle::Clear);
    //: Title of the stress axis above the Wöhler diagram, about 30 characters
    c.textOut(s.x(14), s.y(layout.stressTitleTop), QCoreApplication::translate("fatigue::WoehlerGrid", " + Spannungsamplitude in N/qmm"));
    c.textOut(s.x(320), s.y(477), cyclesAxisTitle());
    for (int k = 0; k <= 7; ++k) {
        c.textOut(s.x(35 + 100 * k), s.y(460), QStringLiteral("  10 "));
        c.textOut(s.x(layout.exponentLeft + 100 * k), s.y(455), QString::number(k + 2));
    }
}

void drawWoehlerGridLines(tk::Canvas& c, const ScaleFactors& s)
{
    c.setPenColor(tk::colours::silver);
    for (int k = 0; k <= 6; ++k)
        for (int offset : decadeLines)
            c.line(s.x(100 * k + offset), s.y(50), s.x(100 * k + offset), s.y(450));
    for (int y = 100; y <= 400; y += 50)
        c.line(s.x(50), s.y(y), s.x(750), s.y(y));
}

}
