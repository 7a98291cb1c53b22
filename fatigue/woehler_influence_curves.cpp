#include "woehler_influence_curves.h"

#include "toolkit/colours.h"

#include <limits>

namespace fatigue {

// The tables name their colours from the palette.
using namespace tk::colours;

namespace {

constexpr int noLowerBound = std::numeric_limits<int>::min();

// The first range: the pen runs along the start row up to x 100.
CurveRange startRange(std::vector<CurveMark> marks) { return {noLowerBound, 100, 5, 0, true, std::move(marks)}; }

CurveRange range(int lower, int upper, int dy, std::vector<CurveMark> marks = {})
{
    return {lower, upper, 5, dy, false, std::move(marks)};
}

CurveMark text(const QColor& colour, int x, int y, const char* s) { return CurveMark::label(colour, x, y, s); }

// A strength with its index, "R" and a lowered index letter 13 pixels to its
// right and 5 below.
std::vector<CurveMark> strength(const QColor& colour, int y, const char* index)
{
    return {text(colour, 12, y, "R"), text(colour, 25, y + 5, index)};
}

std::vector<CurveMark> join(std::vector<CurveMark> a, const std::vector<CurveMark>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

}

const WoehlerCurve& bodyCentredCubicCurve()
{
    static const WoehlerCurve curve{
        red,
        {startRange(join({text(purple, 280, 55, "Wöhlerkurve:"), text(purple, 400, 55, "Kubisch-raumzentrierter Stahl"),
                          text(purple, 400, 75, "Heterogene Nichteisenmetalllegierugen")},
                         strength(blue, 90, "m"))),
         range(100, 120, 1), range(120, 140, 2), range(140, 160, 3),
         range(160, 370, 4,
               {text(blue, 30, 400, "Kurzzeitfestigkeits-"), text(blue, 30, 420, "bereich"),
                CurveMark::line(blue, 2, 150, 100, 150, 400)}),
         range(370, 410, 4), range(410, 430, 3), range(430, 450, 2),
         range(450, 470, 1,
               {text(blue, 220, 400, "Zeitfestigkeitsbereich"), CurveMark::line(blue, 2, 150, 100, 150, 400),
                CurveMark::line(blue, 2, 450, 100, 450, 400)}),
         range(470, 740, 0,
               join(strength(blue, 350, "D"),
                    {text(blue, 500, 395, "Wechselfestigkeitsbereich"), text(blue, 500, 420, "(Dauerfestigkeitsbereich)"),
                     CurveMark::line(blue, 1, 50, 350, 550, 350)}))},
        740,
        {}};
    return curve;
}

const WoehlerCurve& faceCentredCubicCurve()
{
    static const WoehlerCurve curve{
        red,
        {startRange(join({text(purple, 280, 55, "Wöhlerkurve:"), text(purple, 400, 55, "Austenitischer Stahl"),
                          text(purple, 400, 75, "Aluminiumlegierugen")},
                         strength(blue, 90, "m"))),
         range(100, 120, 1), range(120, 140, 2), range(140, 160, 3), range(160, 180, 4),
         range(180, 340, 5,
               {text(blue, 30, 400, "Kurzzeit-"), text(blue, 30, 420, "festigkeitsbereich"),
                CurveMark::line(blue, 2, 150, 100, 150, 400)}),
         range(340, 370, 4), range(370, 400, 3), range(400, 430, 2),
         // Without a fatigue limit the curve keeps falling, three times as
         // fast along the cycle axis.
         {430, 740, 15, 1, false, {}}},
        740,
        join({text(blue, 250, 400, "Zeitfestigkeitsbereich"), text(blue, 540, 400, "Wechselfestigkeitsbereich"),
              text(blue, 540, 425, "(Dauerfestigkeitsbereich)"), CurveMark::line(blue, 2, 150, 100, 150, 400),
              CurveMark::line(blue, 2, 550, 100, 550, 400)},
             join(strength(blue, 350, "D"),
                  {CurveMark::line(blue, 1, 50, 360, 550, 360), CurveMark::line(blue, 1, 50, 370, 650, 370)}))};
    return curve;
}

const WoehlerCurve& initialStateCurve()
{
    static const WoehlerCurve curve{
        blue,
        {startRange(join({text(blue, 70, 55, "Ausgangszustand")}, strength(blue, 90, "m"))),
         range(100, 120, 1), range(120, 140, 2), range(140, 160, 3),
         range(160, 370, 4,
               {text(blue, 30, 400, "Kurzzeit-"), text(blue, 30, 420, "festigkeitsbereich"),
                CurveMark::line(blue, 2, 150, 100, 150, 400)}),
         range(370, 410, 4), range(410, 430, 3), range(430, 450, 2),
         range(450, 470, 1,
               {text(blue, 220, 370, "Zeitfestigkeitsbereich"), CurveMark::line(blue, 2, 150, 100, 150, 400),
                CurveMark::line(blue, 2, 450, 100, 450, 370)}),
         range(470, 740, 0,
               join(strength(blue, 350, "D"),
                    {text(blue, 520, 355, "Wechselfestigkeitsbereich"), text(blue, 520, 377, "(Dauerfestigkeitsbereich)"),
                     CurveMark::line(blue, 1, 50, 350, 550, 350)}))},
        740,
        {}};
    return curve;
}

const WoehlerCurve& corrosionCurve()
{
    static const WoehlerCurve curve{
        red,
        {startRange(join({text(red, 280, 55, "Korrosion (Schwingungsrisskorrosion)")}, strength(red, 90, "m"))),
         range(100, 120, 1), range(120, 140, 2), range(140, 160, 3), range(160, 180, 4), range(180, 340, 5),
         range(340, 370, 5), range(370, 400, 4), range(400, 430, 3), range(430, 740, 2)},
        // Corrosion leaves no fatigue limit: the curve ends while still
        // falling, at the foot of the diagram.
        600,
        {text(red, 340, 420, "Korrosionszeitfestigkeit")}};
    return curve;
}

const WoehlerCurve& freeOfResidualStressCurve()
{
    static const WoehlerCurve curve{
        blue,
        {startRange(strength(blue, 90, "m")), range(100, 120, 1), range(120, 140, 2), range(140, 160, 3),
         range(160, 410, 4), range(410, 430, 3), range(430, 450, 2), range(450, 470, 1),
         range(470, 740, 0,
               join(strength(blue, 340, "D"),
                    {CurveMark::line(blue, 1, 60, 350, 370, 350), text(blue, 520, 355, "Eigenspannungsfrei")}))},
        740,
        {}};
    return curve;
}

const WoehlerCurve& tensileResidualStressCurve()
{
    static const WoehlerCurve curve{
        red,
        {startRange(strength(red, 90, "m")), range(100, 120, 1), range(120, 140, 2), range(140, 160, 3),
         range(160, 180, 4), range(180, 340, 5), range(340, 370, 5), range(370, 400, 4), range(400, 430, 3),
         range(430, 480, 2), range(480, 520, 1),
         range(520, 740, 0, join(strength(red, 390, "D"), {CurveMark::line(red, 1, 60, 400, 470, 400)}))},
        740,
        {text(red, 520, 410, "Zugeigenspannungen")}};
    return curve;
}

const WoehlerCurve& compressiveResidualStressCurve()
{
    static const WoehlerCurve curve{
        green,
        {startRange(strength(green, 90, "m")), range(100, 120, 1), range(120, 140, 2), range(140, 380, 3),
         range(380, 440, 2), range(440, 500, 1),
         range(500, 740, 0, join(strength(green, 280, "D"), {CurveMark::line(green, 1, 60, 293, 320, 293)}))},
        740,
        {text(green, 520, 300, "Druckeigenspannungen")}};
    return curve;
}

}
