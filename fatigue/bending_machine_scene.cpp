#include "bending_machine_scene.h"

#include "toolkit/canvas.h"
#include "toolkit/colours.h"
#include "toolkit/numbers.h"

#include <QCoreApplication>

#include <cmath>
#include <vector>

namespace fatigue {

namespace {

QString translated(const char* text) { return QCoreApplication::translate("fatigue::BendingMachineScene", text); }

// Fixed points of the mechanism, in design pixels.
constexpr QPoint eccentricCentre{700, 420};
constexpr QPoint rodTopBase{700, 240};
constexpr QPoint rockerEndBase{670, 253};
constexpr QPoint rockerPivot{350, 253};
constexpr QPoint specimenEndBase{550, 240};
constexpr QPoint clamp{150, 240};
constexpr int eccentricity = 4; // of each of the two eccentrics
constexpr int rodStroke = 8;     // of the connecting rod and the drive rocker
constexpr int specimenStroke = 5;

// The measuring rocker and spring at rest, and where each tick draws them.
constexpr int rockerRestRow = 252;
constexpr int springRestRow = 340;
constexpr int rockerRunRow = 251;
constexpr int springRunRow = 341;

constexpr long double pi = 3.141592653589793238462643383279502884L;

}

BendingMachineScene::Positions BendingMachineScene::positionsAt(long double degrees)
{
    const long double radians = degrees * pi / 180.0L;
    const long double sine = std::sin(radians);
    const long double cosine = std::cos(radians);
    Positions p;
    p.e1x = eccentricCentre.x() + eccentricity * sine;
    p.e1y = eccentricCentre.y() + eccentricity * cosine;
    p.e2x = p.e1x + eccentricity * sine;
    p.e2y = p.e1y + eccentricity * cosine;
    p.jx = rodTopBase.x();
    p.jy = rodTopBase.y() + rodStroke * cosine;
    p.kx = rockerEndBase.x();
    p.ky = rockerEndBase.y() + rodStroke * cosine;
    p.sx = specimenEndBase.x();
    p.sy = specimenEndBase.y() + specimenStroke * cosine;
    return p;
}

void BendingMachineScene::drawDrive(tk::Canvas& c, const Positions& p) const
{
    const ScaleFactors& f = m_scale;
    auto circle = [&](long double x, long double y, int radius) {
        c.ellipse(f.x(double(x - radius)), f.y(double(y - radius)), f.x(double(x + radius)), f.y(double(y + radius)));
    };
    auto line = [&](long double x1, long double y1, long double x2, long double y2) {
        c.line(f.x(double(x1)), f.y(double(y1)), f.x(double(x2)), f.y(double(y2)));
    };

    c.setBrushStyle(tk::BrushStyle::Clear);
    c.setPenColor(tk::colours::green);
    c.setPenWidth(f.x(1));
    circle(p.e1x, p.e1y, 35);
    circle(p.e1x, p.e1y, 3);
    circle(p.e2x, p.e2y, 3);
    circle(p.jx, p.jy, 3);
    c.setPenWidth(f.x(5));
    line(p.e2x, p.e2y, p.jx, p.jy); // connecting rod
    line(p.jx, p.jy, p.kx, p.ky);
    c.setPenWidth(f.x(12));
    line(p.kx - 8, p.ky, rockerPivot.x(), rockerPivot.y()); // drive rocker
    c.setPenColor(tk::colours::grey);
    line(clamp.x(), clamp.y(), p.sx, p.sy); // specimen
}

void BendingMachineScene::drawMeasuring(tk::Canvas& c, int r, int s) const
{
    const ScaleFactors& f = m_scale;
    c.setPenColor(tk::colours::green);
    c.setPenWidth(f.x(12));
    c.line(f.x(0), f.y(r), f.x(200), f.y(r)); // measuring rocker
    c.setPenColor(Qt::black);
    c.setPenWidth(f.x(4));
    std::vector<QPoint> spring;
    for (QPoint q : {QPoint(150, s), QPoint(200, s), QPoint(150, s - 10), QPoint(200, s - 20), QPoint(150, s - 30),
                     QPoint(200, s - 40), QPoint(150, s - 50), QPoint(200, s - 60), QPoint(150, s - 70),
                     QPoint(200, s - 80), QPoint(150, s - 80)})
        spring.push_back({f.x(q.x()), f.y(q.y())});
    c.polyline(spring);
}

void BendingMachineScene::paint(tk::Canvas& c, QSize)
{
    const ScaleFactors& f = m_scale;
    auto P = [&](int x, int y) { return QPoint(f.x(x), f.y(y)); };
    auto line = [&](int x1, int y1, int x2, int y2) { c.line(f.x(x1), f.y(y1), f.x(x2), f.y(y2)); };
    auto rect = [&](int l, int t, int r, int b) { c.rectangle(f.x(l), f.y(t), f.x(r), f.y(b)); };
    auto ellipse = [&](int l, int t, int r, int b) { c.ellipse(f.x(l), f.y(t), f.x(r), f.y(b)); };

    c.setPenMode(tk::PenMode::Copy);
    c.setPenColor(tk::colours::green);
    c.setPenWidth(f.x(2));
    c.setBrushColor(tk::colours::darkTeal);
    c.polygon({P(0, 340), P(250, 340), P(250, 300), P(450, 300), P(450, 340), P(600, 340), P(600, 540), P(600, 600),
               P(0, 600), P(0, 400)});
    c.setBrushColor(tk::colours::teal);
    rect(250, 300, 450, 340); // support block
    rect(600, 370, 620, 470); // eccentric bracket
    line(620, 380, 700, 420); // its struts
    line(620, 460, 700, 420);

    // The two dial gauges over the measuring rocker.
    c.setBrushColor(tk::colours::silver);
    c.setPenColor(Qt::black);
    line(40, 165, 40, 335);
    ellipse(20, 172, 60, 212);
    ellipse(25, 177, 55, 207);
    c.polygon({P(32, 212), P(32, 232), P(35, 241), P(45, 241), P(48, 232), P(48, 212)});
    line(25, 212, 55, 212);
    line(25, 232, 55, 232);
    ellipse(20, 294, 60, 332);
    ellipse(25, 299, 55, 327);
    c.polygon({P(32, 294), P(32, 274), P(35, 264), P(45, 264), P(48, 274), P(48, 294)});
    line(25, 294, 55, 294);
    line(25, 274, 55, 274);

    drawMeasuring(c, rockerRestRow, springRestRow);

    c.setBrushStyle(tk::BrushStyle::Clear);
    c.setPenColor(tk::colours::green);
    c.setPenWidth(f.x(2));
    line(310, 300, 330, 245); // struts of the rocker pivot
    line(390, 300, 370, 245);
    ellipse(330, 220, 370, 260);
    ellipse(340, 230, 360, 250);
    ellipse(635, 355, 765, 485); // eccentric housing

    m_angle = restAngle;
    m_positions = positionsAt(restAngle);
    drawDrive(c, m_positions);

    c.setFontHeight(int(tk::roundHalfEven(24 * f.horizontal)));
    c.setFontColor(Qt::black);
    // The title's two lines stand 30 design pixels apart.
    //: Title of the machine picture in two lines (break at \n), about 20 characters each
    const QStringList title = translated(QT_TRANSLATE_NOOP("fatigue::BendingMachineScene", "Wechselbiegemaschine\n(schematisch)")).split(u'\n');
    for (int i = 0; i < title.size(); ++i)
        c.textOut(f.x(10), f.y(10 + 30 * i), title[i]);
    const tk::PlacedText labels[] = {
        //: Part of the alternating bending machine: the dial gauges, about 10 characters
        {10, 130, QT_TRANSLATE_NOOP("fatigue::BendingMachineScene", "Meßuhren")},
        //: Part of the machine: the measuring rocker, about 12 characters
        {60, 210, QT_TRANSLATE_NOOP("fatigue::BendingMachineScene", "Meßschwinge")},
        //: The specimen, about 8 characters
        {230, 210, QT_TRANSLATE_NOOP("fatigue::BendingMachineScene", "Probe")},
        //: Part of the machine: the driving rocker, about 16 characters
        {500, 270, QT_TRANSLATE_NOOP("fatigue::BendingMachineScene", "Antriebsschwinge")},
        //: Part of the machine: the measuring spring, about 10 characters
        {210, 270, QT_TRANSLATE_NOOP("fatigue::BendingMachineScene", "Meßfeder")},
        //: Part of the machine: the connecting rod, at the right edge, about 7 characters
        {710, 270, QT_TRANSLATE_NOOP("fatigue::BendingMachineScene", "Pleuel")},
        //: Part of the machine: the double eccentric, about 14 characters
        {640, 490, QT_TRANSLATE_NOOP("fatigue::BendingMachineScene", "Doppelexenter")},
    };
    for (const tk::PlacedText& t : labels)
        c.textOut(f.x(t.x), f.y(t.y), translated(t.text));

    drawFormulas(c);
}

void BendingMachineScene::drawFormulas(tk::Canvas& c) const
{
    const ScaleFactors& f = m_scale;
    auto line = [&](int x1, int y1, int x2, int y2) { c.line(f.x(x1), f.y(y1), f.x(x2), f.y(y2)); };
    // Formula pieces the calls leave unmarked come back unchanged.
    auto text = [&](int x, int y, const char* s) { c.textOut(f.x(x), f.y(y), translated(s)); };

    c.setPenColor(tk::colours::grey);
    c.setPenWidth(f.x(1));
    c.setFontColor(tk::colours::red);
    line(270, 0, 270, 160);
    line(270, 160, 800, 160);
    //: Red label of the bending moment diagram, about 14 characters
    text(480, 190, QT_TRANSLATE_NOOP("fatigue::BendingMachineScene", "Biegemoment"));
    //: Red label: the counter moment, about 14 characters
    text(120, 190, QT_TRANSLATE_NOOP("fatigue::BendingMachineScene", "Gegenmoment"));
    //: Formula: stress amplitude equals the fraction right of it (from x 510)
    text(300, 12, QT_TRANSLATE_NOOP("fatigue::BendingMachineScene", "Amplitudenspannung ="));
    //: Numerator of the stress amplitude: the bending moment, above a bar 190 pixels wide
    text(520, 0, QT_TRANSLATE_NOOP("fatigue::BendingMachineScene", "Biegemoment"));
    //: Denominator of the stress amplitude: the section modulus, below a bar 190 pixels wide
    text(520, 25, QT_TRANSLATE_NOOP("fatigue::BendingMachineScene", "Widerstandsmoment"));
    line(510, 25, 700, 25);
    //: Formula: section modulus equals the fraction right of it (from x 496)
    text(300, 80, QT_TRANSLATE_NOOP("fatigue::BendingMachineScene", "Widerstandsmoment = "));
    //: Numerator of the section modulus, followed by a raised 2: width * thickness of the specimen
    text(500, 65, QT_TRANSLATE_NOOP("fatigue::BendingMachineScene", "Probenbreite*Probendicke"));
    text(725, 55, "2");
    line(496, 90, 740, 90);
    text(600, 90, "6");
    //: Formula: bending moment = constant * amplitude, room for about 36 characters
    text(300, 130, QT_TRANSLATE_NOOP("fatigue::BendingMachineScene", "Biegemoment = konst. * Amplitude"));
}

void BendingMachineScene::tick(tk::Canvas& c)
{
    c.setPenMode(tk::PenMode::NotXor);
    drawDrive(c, m_positions);
    drawMeasuring(c, rockerRestRow, springRestRow);
    m_angle = m_counter;
    // A quarter turn clockwise per tick; the counter stays within one turn.
    m_counter = (m_counter - 90) % 360;
    m_positions = positionsAt(m_angle);
    drawDrive(c, m_positions);
    drawMeasuring(c, rockerRunRow, springRunRow);
    c.setPenMode(tk::PenMode::Copy);
}

void BendingMachineScene::rest() { m_angle = restAngle; }

}
