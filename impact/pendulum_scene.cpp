#include "pendulum_scene.h"

#include "toolkit/colours.h"
#include "toolkit/numbers.h"

#include <QCoreApplication>

#include <cmath>
#include <numbers>

using tk::tcolor;

namespace impact {

PendulumScene::PendulumScene(int windowWidth) : m_windowWidth(windowWidth) {}

QPoint PendulumScene::pointAt(int degrees, long double distance) const
{
    const long double radians = degrees * std::numbers::pi_v<long double> / 180;
    const QPoint p = pivot();
    return {p.x() + int(tk::roundHalfEven(std::sin(radians) * distance)),
            p.y() - int(tk::roundHalfEven(std::cos(radians) * distance))};
}

// ------------------------------------------------------------ static pictures

void PendulumScene::paintMachine(tk::Canvas& c)
{
    m_left = 10;
    m_top = 10;
    m_right = c.width() - 10;
    drawBackground(c);
    drawDial(c);
    drawFrame(c);
    drawHammerAtRest(c);
    drawSpecimenOnSupport(c);
    drawLabels(c);
}

void PendulumScene::drawBackground(tk::Canvas& c) const
{
    // White at the top, fading to yellow: the blue part falls line by line.
    c.setPenMode(tk::PenMode::Copy);
    c.setPenWidth(2);
    for (int i = 0; i <= 220; ++i) {
        c.setPenColor(tcolor(0xFFFFFF - i * 0x10000));
        c.line(4, 2 * i, c.width(), 2 * i);
    }
}

void PendulumScene::drawDial(tk::Canvas& c) const
{
    c.setPenStyle(tk::PenStyle::Solid);
    c.setPenWidth(1);
    c.setPenColor(Qt::black);
    c.setBrushColor(Qt::white);
    c.ellipse(220, 180, 300, 260);
    c.setBrushColor(tk::colours::silver);
    c.ellipse(225, 185, 295, 255);
    c.setBrushColor(Qt::white);
    c.ellipse(230, 190, 290, 250);

    // The scale covers the half of the dial that the hammer rises into after
    // the break: from the bottom through the left to the top.
    c.setPenWidth(3);
    const long double r = dialRadius();
    for (int k = 6; k <= 12; ++k) {
        const QPoint outer = pointAt(30 * k, 0.9L * r);
        const QPoint inner = pointAt(30 * k, 0.8L * r);
        c.line(outer.x(), outer.y(), inner.x(), inner.y());
    }
}

void PendulumScene::drawFrame(tk::Canvas& c) const
{
    c.setPenWidth(1);
    c.setBrushColor(tk::colours::basePlateBrown);
    c.rectangle(30, 415, 490, 423); // base plate
    c.setBrushColor(tk::colours::columnGrey);
    c.polygon({{210, 420}, {310, 420}, {270, 190}, {250, 190}}); // column
    c.setBrushColor(tk::colours::silver);
    c.ellipse(250, 210, 270, 230); // pivot bearing
}

void PendulumScene::drawHammerAtRest(tk::Canvas& c) const
{
    c.setPenWidth(10);
    c.setPenColor(Qt::black);
    const QPoint p = pivot();
    const QPoint head = pointAt(restAngle, headDistance());
    c.line(p.x(), p.y(), head.x(), head.y());
    // A disc around the end of the arm with a narrow wedge cut out on its
    // lower right: the hammer's striking edge.
    c.setBrushColor(Qt::black);
    c.setPenWidth(1);
    c.pie(285, 40, 345, 100, 355, 78, 365, 110);
}

void PendulumScene::drawSpecimenOnSupport(tk::Canvas& c) const
{
    c.setPenWidth(5);
    c.line(218, 385, 302, 385); // support
    c.setBrushColor(tk::colours::blue);
    c.rectangle(255, 375, 265, 385); // specimen
    c.setBrushColor(tk::colours::red);
    c.rectangle(245, 360, 255, 385); // support block
    c.polygon({{210, 420}, {310, 420}, {303, 385}, {217, 385}}); // machine foot
}

void PendulumScene::drawLabels(tk::Canvas& c) const
{
    c.setBrushStyle(tk::BrushStyle::Clear);
    c.setFontColor(Qt::black);
    c.setFontHeight(24);
    //: Title drawn at the top of the pendulum picture, room for about 30 characters
    c.textOut(20, 20, QCoreApplication::translate("impact::PendulumScene", "Pendelschlagwerk (schematisch)"));
    c.setFontHeight(14);
    //: Small label of the Charpy V-notch specimen in two lines (break at \n) 10 pixels apart,
    //: about 9 characters each
    const QStringList specimen = QCoreApplication::translate("impact::PendulumScene", "  ISO-V- \n  Probe ").split(u'\n');
    for (int i = 0; i < specimen.size(); ++i)
        c.textOut(255 + (i > 0 ? 3 : 0), 360 + 10 * i, specimen[i]);
    //: Small label: the anvil (supports) the specimen rests on, about 10 characters
    c.textOut(230, 344, QCoreApplication::translate("impact::PendulumScene", "Widerlager"));
    //: Small label: the dial on which the absorbed energy is read, about 11 characters
    c.textOut(190, 165, QCoreApplication::translate("impact::PendulumScene", "Ableseskala"));
}

void PendulumScene::paintFormula(tk::Canvas& c)
{
    c.setPenStyle(tk::PenStyle::Solid);
    c.setPenWidth(1);
    c.setBrushColor(tk::colours::sceneRose);
    c.rectangle(0, 0, c.width(), c.height());
    c.setPenColor(tk::colours::almostBlack);
    c.setPenWidth(2);
    c.setFontColor(Qt::black);
    c.setFontHeight(18);
    //: Formula panel, first line: the absorbed impact energy, room for about 20 characters
    c.textOut(10, 10, QCoreApplication::translate("impact::PendulumScene", "Kerbschlagarbeit:"));
    c.textOut(5, 30, QStringLiteral("  Av = F(H - h)  "));
    //: Formula panel: impact strength equals the fraction right of it; ends before x 150
    c.textOut(5, 50, QCoreApplication::translate("impact::PendulumScene", "  Kerbschlagzähigkeit ="));
    // The fraction's cells, drawn on the panel colour, follow from x 150.
    //: Numerator of the impact strength, above a bar 140 pixels wide
    c.textOut(150, 40, QCoreApplication::translate("impact::PendulumScene", "  Kerbschlagarbeit (Av)"));
    //: Denominator of the impact strength, below a bar 140 pixels wide: the cross-section left at the notch
    c.textOut(150, 60, QCoreApplication::translate("impact::PendulumScene", "  Restquerschnitt (Ao)"));
    c.line(150, 60, 290, 60);
}

void PendulumScene::paintSpecimen(tk::Canvas& c)
{
    // The pen keeps the colour of the last drawing, as every canvas does.
    c.setPenStyle(tk::PenStyle::Solid);
    c.setPenWidth(1);
    c.setBrushColor(tk::colours::sceneRose);
    c.rectangle(0, 0, c.width(), c.height());
    c.setFontHeight(18);
    c.setFontColor(Qt::black);
    //: Label of the hammer's striking edge above the notched specimen, about 12 characters
    c.textOut(60, 2, QCoreApplication::translate("impact::PendulumScene", "Hammerfinne"));
    c.textOut(320, 32, QStringLiteral("Ao"));
    c.textOut(260, 90, QCoreApplication::translate("impact::PendulumScene", "Widerlager"));
    c.setBrushColor(tk::colours::red);
    c.setFontColor(Qt::white);
    //: White on a red arrow: the force F, about 8 characters
    c.textOut(170, 10, QCoreApplication::translate("impact::PendulumScene", "Kraft F"));

    // Cross-section at the notch: the notch depth over the remaining
    // cross-section Ao.
    c.setBrushColor(Qt::white);
    c.rectangle(340, 56, 380, 70);
    c.setBrushColor(tk::colours::violet);
    c.rectangle(340, 30, 380, 56);
    // Side view: a bar with a V-notch at the middle of its lower edge.
    c.polygon({{50, 30}, {260, 30}, {260, 70}, {160, 70}, {155, 56}, {150, 70}, {50, 70}, {50, 30}});
    c.setBrushColor(Qt::white);
    c.polygon({{155, 30}, {162, 10}, {148, 10}}); // striking edge

    c.setPenColor(Qt::black);
    c.setPenWidth(1);
    c.line(155, 50, 155, 30);
    c.line(155, 30, 151, 37);
    c.line(155, 30, 159, 37);

    c.setPenColor(tk::colours::darkRed);
    c.setPenWidth(6);
    c.polyline({{20, 73}, {65, 73}, {50, 90}});
    c.polyline({{287, 73}, {245, 73}, {260, 90}});
}

void PendulumScene::paintLink(tk::Canvas& c)
{
    c.setPenWidth(1);
    c.setBrushColor(tk::colours::lightRed);
    c.rectangle(0, 0, c.width(), c.height());
    c.setFontColor(tk::colours::blue);
    const int margin = 6;
    c.setFontHeight(18);
    //: Link below the explanation that opens the curve: 230 pixels, room for about 30 characters
    c.textOut(margin, 3, QCoreApplication::translate("impact::PendulumScene", "Kerbschlagarbeit-Temperatur-Kurve"));
}

// ------------------------------------------------------------------ the swing

void PendulumScene::start()
{
    m_angle = restAngle;
    m_previousAngle = restAngle;
    m_phase = Phase::Swinging;
}

void PendulumScene::drawMovingHammer(tk::Canvas& c, int degrees) const
{
    c.setPenMode(tk::PenMode::NotXor);
    c.setBrushColor(Qt::black);
    c.setPenColor(Qt::black);
    c.setPenWidth(15);
    const QPoint head = pointAt(degrees, headDistance());
    c.ellipse(head.x() - 20, head.y() - 20, head.x() + 20, head.y() + 20);
    const QPoint p = pivot();
    const QPoint armEnd = pointAt(degrees, armLength());
    c.line(p.x(), p.y(), armEnd.x(), armEnd.y());
    c.setPenWidth(8);
    c.setPenColor(tk::colours::almostBlack);
    const QPoint edge = pointAt(degrees + strikingEdgeOffset, headDistance());
    c.line(head.x(), head.y(), edge.x(), edge.y());
}

void PendulumScene::tick(tk::Canvas& c)
{
    if (m_phase != Phase::Swinging)
        return;
    if (m_angle < endAngle) {
        // Drawing at the new angle and again at the previous one erases the
        // old hammer; on the first tick both are the same and nothing changes.
        drawMovingHammer(c, m_angle);
        drawMovingHammer(c, m_previousAngle);
        c.setPenColor(Qt::black);
        c.setPenWidth(10);
        m_previousAngle = m_angle;
        m_angle += angleStep;
    }
    if (m_angle > breakAngle) {
        // The broken specimen has left the supports.
        c.setPenMode(tk::PenMode::Copy);
        c.setPenWidth(1);
        c.setPenColor(tk::colours::columnGrey);
        c.setBrushColor(tk::colours::columnGrey);
        c.rectangle(257, 360, 300, 383);
    }
    if (m_angle == endAngle) {
        m_previousAngle = endAngle - angleStep;
        drawHeights(c);
        m_phase = Phase::Finished;
    }
}

void PendulumScene::drawHeights(tk::Canvas& c)
{
    c.setPenMode(tk::PenMode::Copy);
    c.setPenColor(Qt::black);
    c.setPenWidth(1);
    const QPoint head = pointAt(m_previousAngle, headDistance());
    c.setBrushColor(Qt::black);
    c.ellipse(head.x() - 20, head.y() - 20, head.x() + 20, head.y() + 20);
    c.setBrushColor(Qt::white);
    c.polygon({head, head - QPoint(12, 25), head - QPoint(0, 28)});

    // H: from the start level of the head down to its lowest level.
    c.setPenWidth(2);
    c.setBrushColor(Qt::black);
    c.polygon({{460, 378}, {455, 358}, {465, 358}});
    c.polygon({{460, 70}, {455, 90}, {465, 90}});
    c.line(350, 70, m_right, 70);
    c.line(330, 378, m_right, 378);
    c.line(460, 70, 460, 378);
    // h: the level the hammer reaches after breaking the specimen.
    c.line(m_left, 260, 70, 260);
    c.line(m_left, 378, 190, 378);
    c.line(60, 260, 60, 378);
    c.polygon({{60, 378}, {55, 358}, {65, 358}});
    c.polygon({{60, 260}, {55, 280}, {65, 280}});

    c.setBrushStyle(tk::BrushStyle::Clear);
    c.setFontColor(Qt::black);
    c.setFontHeight(24);
    c.textOut(30, 300, QStringLiteral("h"));
    c.textOut(470, 210, QStringLiteral("H"));
}

void PendulumScene::reset() { m_phase = Phase::Ready; }

}
