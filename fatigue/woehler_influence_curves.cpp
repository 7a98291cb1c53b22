#include "woehler_influence_curves.h"

#include "toolkit/colours.h"

#include <QCoreApplication>

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
        {startRange(join(
             {//: Purple heading of the curve, followed by the materials from x 400
              text(purple, 280, 55, QT_TRANSLATE_NOOP("fatigue::WoehlerInfluenceCurves", "Wöhlerkurve:")),
              //: Material of the curve: body-centred cubic steel, about 30 characters
              text(purple, 400, 55, QT_TRANSLATE_NOOP("fatigue::WoehlerInfluenceCurves", "Kubisch-raumzentrierter Stahl")),
              //: Second material of the curve: heterogeneous non-ferrous alloys, about 36 characters
              text(purple, 400, 75,
                   QT_TRANSLATE_NOOP("fatigue::WoehlerInfluenceCurves", "Heterogene Nichteisenmetalllegierugen"))},
             strength(blue, 90, "m"))),
         range(100, 120, 1), range(120, 140, 2), range(140, 160, 3),
         range(160, 370, 4,
               {//: Low-cycle fatigue range at the left edge, in two lines (break at \n) of about 20 characters
                text(blue, 30, 400, QT_TRANSLATE_NOOP("fatigue::WoehlerInfluenceCurves", "Kurzzeitfestigkeits-\nbereich")),
                CurveMark::line(blue, 2, 150, 100, 150, 400)}),
         range(370, 410, 4), range(410, 430, 3), range(430, 450, 2),
         range(450, 470, 1,
               {//: Finite-life (fatigue strength) range, between two lines 300 pixels apart, about 22 characters
                text(blue, 220, 400, QT_TRANSLATE_NOOP("fatigue::WoehlerInfluenceCurves", "Zeitfestigkeitsbereich")),
                CurveMark::line(blue, 2, 150, 100, 150, 400), CurveMark::line(blue, 2, 450, 100, 450, 400)}),
         range(470, 740, 0,
               join(strength(blue, 350, "D"),
                    {//: Range of the fatigue limit under alternating load, about 25 characters
                     text(blue, 500, 395, QT_TRANSLATE_NOOP("fatigue::WoehlerInfluenceCurves", "Wechselfestigkeitsbereich")),
                     //: Below the previous: the endurance limit range, in brackets, about 25 characters
                     text(blue, 500, 420, QT_TRANSLATE_NOOP("fatigue::WoehlerInfluenceCurves", "(Dauerfestigkeitsbereich)")),
                     CurveMark::line(blue, 1, 50, 350, 550, 350)}))},
        740,
        {}};
    return curve;
}

const WoehlerCurve& faceCentredCubicCurve()
{
    static const WoehlerCurve curve{
        red,
        {startRange(join(
             {text(purple, 280, 55, QT_TRANSLATE_NOOP("fatigue::WoehlerInfluenceCurves", "Wöhlerkurve:")),
              //: Material of the curve, about 30 characters
              text(purple, 400, 55, QT_TRANSLATE_NOOP("fatigue::WoehlerInfluenceCurves", "Austenitischer Stahl")),
              //: Second material of the curve: aluminium alloys, about 30 characters
              text(purple, 400, 75, QT_TRANSLATE_NOOP("fatigue::WoehlerInfluenceCurves", "Aluminiumlegierugen"))},
             strength(blue, 90, "m"))),
         range(100, 120, 1), range(120, 140, 2), range(140, 160, 3), range(160, 180, 4),
         range(180, 340, 5,
               {//: Low-cycle fatigue range at the left edge, in two lines (break at \n) of about 18 characters
                text(blue, 30, 400, QT_TRANSLATE_NOOP("fatigue::WoehlerInfluenceCurves", "Kurzzeit-\nfestigkeitsbereich")),
                CurveMark::line(blue, 2, 150, 100, 150, 400)}),
         range(340, 370, 4), range(370, 400, 3), range(400, 430, 2),
         // Without a fatigue limit the curve keeps falling, three times as
         // fast along the cycle axis.
         {430, 740, 15, 1, false, {}}},
        740,
        join({text(blue, 250, 400, QT_TRANSLATE_NOOP("fatigue::WoehlerInfluenceCurves", "Zeitfestigkeitsbereich")),
              text(blue, 540, 400, QT_TRANSLATE_NOOP("fatigue::WoehlerInfluenceCurves", "Wechselfestigkeitsbereich")),
              text(blue, 540, 425, QT_TRANSLATE_NOOP("fatigue::WoehlerInfluenceCurves", "(Dauerfestigkeitsbereich)")),
              CurveMark::line(blue, 2, 150, 100, 150, 400), CurveMark::line(blue, 2, 550, 100, 550, 400)},
             join(strength(blue, 350, "D"),
                  {CurveMark::line(blue, 1, 50, 360, 550, 360), CurveMark::line(blue, 1, 50, 370, 650, 370)}))};
    return curve;
}

const WoehlerCurve& initialStateCurve()
{
    static const WoehlerCurve curve{
        blue,
        {startRange(join({//: Label of the curve of the initial state (no corrosion), about 16 characters
                          text(blue, 70, 55, QT_TRANSLATE_NOOP("fatigue::WoehlerInfluenceCurves", "Ausgangszustand"))},
                         strength(blue, 90, "m"))),
         range(100, 120, 1), range(120, 140, 2), range(140, 160, 3),
         range(160, 370, 4,
               {text(blue, 30, 400, QT_TRANSLATE_NOOP("fatigue::WoehlerInfluenceCurves", "Kurzzeit-\nfestigkeitsbereich")),
                CurveMark::line(blue, 2, 150, 100, 150, 400)}),
         range(370, 410, 4), range(410, 430, 3), range(430, 450, 2),
         range(450, 470, 1,
               {text(blue, 220, 370, QT_TRANSLATE_NOOP("fatigue::WoehlerInfluenceCurves", "Zeitfestigkeitsbereich")),
                CurveMark::line(blue, 2, 150, 100, 150, 400), CurveMark::line(blue, 2, 450, 100, 450, 370)}),
         range(470, 740, 0,
               join(strength(blue, 350, "D"),
                    {text(blue, 520, 355, QT_TRANSLATE_NOOP("fatigue::WoehlerInfluenceCurves", "Wechselfestigkeitsbereich")),
                     text(blue, 520, 377, QT_TRANSLATE_NOOP("fatigue::WoehlerInfluenceCurves", "(Dauerfestigkeitsbereich)")),
                     CurveMark::line(blue, 1, 50, 350, 550, 350)}))},
        740,
        {}};
    return curve;
}

const WoehlerCurve& corrosionCurve()
{
    static const WoehlerCurve curve{
        red,
        {startRange(join({//: Heading of the curve under corrosion (corrosion fatigue), about 36 characters
                          text(red, 280, 55,
                               QT_TRANSLATE_NOOP("fatigue::WoehlerInfluenceCurves", "Korrosion (Schwingungsrisskorrosion)"))},
                         strength(red, 90, "m"))),
         range(100, 120, 1), range(120, 140, 2), range(140, 160, 3), range(160, 180, 4), range(180, 340, 5),
         range(340, 370, 5), range(370, 400, 4), range(400, 430, 3), range(430, 740, 2)},
        // Corrosion leaves no fatigue limit: the curve ends while still
        // falling, at the foot of the diagram.
        600,
        {//: Label below the corrosion curve: finite-life strength under corrosion, about 25 characters
         text(red, 340, 420, QT_TRANSLATE_NOOP("fatigue::WoehlerInfluenceCurves", "Korrosionszeitfestigkeit"))}};
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
                    {CurveMark::line(blue, 1, 60, 350, 370, 350),
                     //: Label of the curve without residual stresses, about 22 characters
                     text(blue, 520, 355, QT_TRANSLATE_NOOP("fatigue::WoehlerInfluenceCurves", "Eigenspannungsfrei"))}))},
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
        {//: Label of the curve with residual tensile stresses, about 22 characters
         text(red, 520, 410, QT_TRANSLATE_NOOP("fatigue::WoehlerInfluenceCurves", "Zugeigenspannungen"))}};
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
        {//: Label of the curve with residual compressive stresses, about 22 characters
         text(green, 520, 300, QT_TRANSLATE_NOOP("fatigue::WoehlerInfluenceCurves", "Druckeigenspannungen"))}};
    return curve;
}

}
