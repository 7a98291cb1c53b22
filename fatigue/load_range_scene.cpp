#include "load_range_scene.h"

#include "woehler_recording_scene.h"

#include "toolkit/canvas.h"
#include "toolkit/colours.h"
#include "toolkit/numbers.h"

#include <QCoreApplication>

#include <cstdlib>

namespace fatigue {

namespace {

constexpr int zeroRow = 250;

// Where the range of the load is written, below the diagram, and the band
// cleared before, so only the text of the latest start is seen.
constexpr QPoint rangeTextAt{370, 460};
constexpr int rangeBandRight = 748; // the frame of the paint box is not cleared
constexpr int rangeBandHeight = 24;

}

LoadRange loadRange(std::int64_t a, std::int64_t m)
{
    const std::int64_t half = std::abs(a);
    if (m == 0)
        return LoadRange::PurelyAlternating;
    if (m - half < 0 && m + half > 0)
        return LoadRange::Alternating;
    return m > 0 ? LoadRange::PulsatingTension : LoadRange::PulsatingCompression;
}

QString loadRangeText(LoadRange range)
{
    switch (range) {
    //: Name of the load range drawn on a coloured ground below the diagram, about 36 characters:
    //: loading in the pulsating tension range
    case LoadRange::PulsatingTension: return QCoreApplication::translate("fatigue::LoadRangeScene", " Beanspruchung im Zugschwellbereich ");
    //: Loading in the pulsating compression range, about 36 characters
    case LoadRange::PulsatingCompression: return QCoreApplication::translate("fatigue::LoadRangeScene", " Beanspruchung im Druckschwellbereich ");
    //: Loading in the alternating range (mean stress not zero), about 36 characters
    case LoadRange::Alternating: return QCoreApplication::translate("fatigue::LoadRangeScene", " Beanspruchung im Wechselbereich ");
    //: Fully reversed loading (mean stress zero), about 36 characters
    case LoadRange::PurelyAlternating: return QCoreApplication::translate("fatigue::LoadRangeScene", " Reine Wechselbeanspruchung ");
    }
    return {};
}

void LoadRangeScene::paint(tk::Canvas& c, QSize size) const
{
    const ScaleFactors& s = m_scale;
    auto font = [&](int height) { c.setFontHeight(int(tk::roundHalfEven(height * s.horizontal))); };

    c.setPenColor(tk::colours::grey);
    c.setBrushColor(Qt::white);
    c.rectangle(0, 0, size.width(), size.height());
    c.setPenWidth(1);
    c.rectangle(s.x(30), s.y(50), s.x(740), s.y(450));

    for (int y : {100, 150, 200, 300, 350, 400})
        c.line(s.x(30), s.y(y), s.x(740), s.y(y));
    for (int x = 80; x <= 680; x += 50)
        c.line(s.x(x), s.y(50), s.x(x), s.y(450));

    c.setBrushStyle(tk::BrushStyle::Clear);
    font(18);
    const tk::PlacedText scaleTexts[] = {
        //: Title of the positive stress axis, above the diagram, about 24 characters
        {14, 29, QT_TRANSLATE_NOOP("fatigue::LoadRangeScene", " + Spannung in N/qmm")},
        //: Title of the negative stress axis, below the diagram, about 24 characters
        {14, 455, QT_TRANSLATE_NOOP("fatigue::LoadRangeScene", " - Spannung in N/qmm ")},
        {3, 50, "400"}, {3, 440, "-400"}, {3, 140, "200"}, {3, 340, "-200"},
        //: Title of the time axis at the diagram's right edge, about 4 characters
        {715, 230, QT_TRANSLATE_NOOP("fatigue::LoadRangeScene", "Zeit")},
        {10, 240, " 0 "}};
    // The numbers are not marked and come back unchanged.
    for (const tk::PlacedText& t : scaleTexts)
        c.textOut(s.x(t.x), s.y(t.y), QCoreApplication::translate("fatigue::LoadRangeScene", t.text));

    // The grey header band; the window's edit fields and button lie on it.
    font(24);
    c.setBrushColor(tk::colours::silver);
    c.rectangle(0, 0, s.x(750), s.y(27));
    //: Header band: "input", before the edit fields, about 9 characters (x 20 to 140)
    c.textOut(s.x(20), s.y(1), QCoreApplication::translate("fatigue::LoadRangeScene", "Eingabe:"));
    //: Header band: label of the stress amplitude field, x 140 to 350, about 18 characters
    c.textOut(s.x(140), s.y(1), QCoreApplication::translate("fatigue::LoadRangeScene", "Spannungsamplitude"));
    //: Header band: label of the mean stress field, x 390 to 550, about 14 characters
    c.textOut(s.x(390), s.y(1), QCoreApplication::translate("fatigue::LoadRangeScene", "Mittelspannung"));

    c.setPenWidth(3);
    c.line(s.x(30), s.y(50), s.x(30), s.y(450));
    c.line(s.x(30), s.y(zeroRow), s.x(730), s.y(zeroRow));
    c.polygon({{s.x(710), s.y(245)}, {s.x(710), s.y(255)}, {s.x(735), s.y(250)}});
}

bool LoadRangeScene::setLoad(int amplitudeStress, int meanStress)
{
    const int amplitude = amplitudeStress / 2;
    const int mean = meanStress / 2;
    // In 64 bits, so no entered value can wrap into the diagram.
    if (std::abs(std::int64_t(mean)) + std::abs(std::int64_t(amplitude)) > diagramReach)
        return false;
    m_amplitude = amplitude;
    m_mean = mean;
    return true;
}

void LoadRangeScene::start(tk::Canvas& c)
{
    if (curveComplete()) {
        m_position = startPosition;
        m_deflection = 0.0f;
    }
    m_running = true;

    const ScaleFactors& s = m_scale;
    const LoadRange range = loadRange(m_amplitude, m_mean);
    c.setBrushColor(Qt::white);
    c.fillRect(s.x(rangeTextAt.x()), s.y(rangeTextAt.y()), s.x(rangeBandRight),
               s.y(rangeTextAt.y() + rangeBandHeight));
    c.setBrushColor(tk::colours::red);
    c.setFontColor(Qt::white);
    c.setFontHeight(int(tk::roundHalfEven(24 * s.horizontal)));
    c.textOut(s.x(rangeTextAt.x()), s.y(rangeTextAt.y()), loadRangeText(range));
    m_shownRange = range;
}

void LoadRangeScene::tick(tk::Canvas& c)
{
    if (m_position >= endPosition) {
        m_running = false;
        return;
    }
    const ScaleFactors& s = m_scale;
    c.setPenColor(tk::colours::red);
    c.setPenWidth(int(tk::roundHalfEven(3 * s.horizontal)));
    // Each point is plotted two pixels right of the position whose angle it
    // takes, so the curve starts with a flat segment on the mean stress.
    c.moveTo(s.x(m_position - 40), s.y(double(m_deflection) + zeroRow - m_mean));
    m_deflection = oscillationDeflection(m_amplitude, phaseStep, m_position);
    m_position += positionStep;
    c.lineTo(s.x(m_position - 40), s.y(double(m_deflection) + zeroRow - m_mean));
    if (m_position >= endPosition)
        m_running = false;
}

void LoadRangeScene::reset()
{
    m_amplitude = 0;
    m_mean = 0;
    m_position = startPosition;
    m_deflection = 0.0f;
    m_running = false;
    m_shownRange.reset();
}

}
