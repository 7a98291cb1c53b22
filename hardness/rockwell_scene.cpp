#include "rockwell_scene.h"

#include "toolkit/colours.h"
#include "toolkit/diagram.h"

#include <QCoreApplication>

namespace hardness {

void RockwellScene::drawHolder(tk::Canvas& c, int y)
{
    c.polygon({{174, y - 15}, {170, y - 55}, {253, y - 55}, {248, y - 15}, {180, y - 15}});
}

void RockwellScene::drawCone(tk::Canvas& c, int y) { c.polygon({{174, y - 15}, {212, y + 5}, {246, y - 15}, {174, y - 15}}); }

void RockwellScene::drawLoadArrow(tk::Canvas& c)
{
    c.line(212, 80, 212, 145);
    c.polygon({{212, 145}, {206, 125}, {218, 125}, {212, 145}});
}

void RockwellScene::drawArrowHead(tk::Canvas& c, int x, int tip, int base, int halfWidth)
{
    c.polygon({{x, tip}, {x - halfWidth, base}, {x + halfWidth, base}, {x, tip}});
}

void RockwellScene::drawIndenterAtRest(tk::Canvas& c)
{
    drawHolder(c, m_y);
    drawCone(c, m_y);
    drawLoadArrow(c);
}

std::span<const tk::PlacedText> RockwellScene::sceneTexts() const
{
    static constexpr tk::PlacedText texts[] = {
        //: Drawn above the Rockwell test, room for about 60 characters
        {15, 25, QT_TRANSLATE_NOOP("IndentationScene", "Eindringkörper: stumpfer Diamantkegel mit 120° Spitzenwinkel.")},
        {80, 303, QT_TRANSLATE_NOOP("IndentationScene", "Probe")},
        //: Drawn above the Rockwell test, below the indenter's description
        {15, 50, QT_TRANSLATE_NOOP("IndentationScene", "Rockwellhärte wird über die Eindringtiefe ermittelt")},
    };
    return texts;
}

std::span<const IndentationScene::Stage> RockwellScene::stages() const
{
    static const Stage run[] = {
        {Direction::Down, preliminaryForceY, preliminaryInterval, false,
         drawing(&RockwellScene::applyPreliminaryForce),
         QT_TRANSLATE_NOOP("IndentationScene", "Prüfvorkraft Fo wird aufgebracht")},
        {Direction::Down, testForceY, testForceInterval, false, drawing(&RockwellScene::applyTestForce),
         QT_TRANSLATE_NOOP("IndentationScene", "Prüfkraft F wird zusätzlich aufgebracht")},
        {Direction::Down, bottomY, dwellInterval, true, drawing(&RockwellScene::holdFullForce),
         QT_TRANSLATE_NOOP("IndentationScene", "Prüfkraft Fo + F wirkt ein")},
        {Direction::Up, unloadY, fastInterval, false, drawing(&RockwellScene::unload),
         QT_TRANSLATE_NOOP("IndentationScene", "Entlastung: Prüfkraft F wird weggenommen, der Prüfkörper fährt zurück")},
    };
    return run;
}

void RockwellScene::drawDescending(tk::Canvas& down, int y)
{
    drawHolder(down, y);
    drawCone(down, y);
}

// The rise keeps the pen of the unloading tick, in the scene colour, which
// wipes the column behind the holder.
void RockwellScene::drawAscending(tk::Canvas& down, int y)
{
    drawHolder(down, y);
    drawCone(down, y);
}

void RockwellScene::applyPreliminaryForce(tk::Canvas& down, tk::Canvas&)
{
    down.setBrushStyle(tk::BrushStyle::Clear);
    down.setFontHeight(24);
    down.textOut(60, 85, QCoreApplication::translate("IndentationScene", "Prüfvorkraft Fo"));
}

// The depth `to` that the preliminary force reached, between the specimen's
// surface and the tip's place under Fo.
void RockwellScene::applyTestForce(tk::Canvas& down, tk::Canvas&)
{
    down.setBrushStyle(tk::BrushStyle::Clear);
    down.setFontHeight(24);
    //: The forces acting during the Rockwell test, drawn on two lines split at |
    tk::drawPieces(down, QCoreApplication::translate("IndentationScene", "Prüfvorkraft Fo|+ Prüfkraft F"),
                   {{60, 85}, {60, 110}});
    down.setFontHeight(18);
    down.textOut(335, 210, QStringLiteral("Fo -> to"));
    down.line(285, 270, 395, 270);
    down.line(285, 273, 395, 273);

    down.setBrushColor(Qt::black);
    down.line(385, 230, 385, 270);
    down.line(385, 273, 385, 326);
    drawArrowHead(down, 385, 273, 280, 2);
    drawArrowHead(down, 385, 270, 260, 2);
}

// Under the full force: the impression seen from above, and the depth marks
// of tges (Fo + F) and of t (F alone). The dotted centre and projection lines
// are drawn again after the marks, which cross them.
void RockwellScene::holdFullForce(tk::Canvas&, tk::Canvas& haupt)
{
    tk::Canvas& c = haupt;
    c.setPenColor(Qt::black);
    c.setPenWidth(3);
    c.setBrushColor(tk::colours::silver);
    c.rectangle(50, 340, 380, 450);
    c.ellipse(190, 374, 234, 418);

    c.setPenWidth(1);
    c.setFontHeight(18);
    c.setBrushColor(tk::colours::sceneRose);
    c.textOut(465, 210, QStringLiteral("Fo + F -> tges"));
    c.line(300, 270, 520, 270);
    c.line(200, 282, 520, 282);
    c.setBrushColor(Qt::black);
    c.line(500, 230, 500, 270);
    c.line(500, 286, 500, 326);
    drawArrowHead(c, 500, 270, 250, 4);
    drawArrowHead(c, 500, 282, 302, 4);

    drawCentreAndProjectionLines(c);

    c.setPenStyle(tk::PenStyle::Solid);
    c.setPenColor(Qt::black);
    c.setPenWidth(1);
    c.setFontHeight(18);
    c.setBrushColor(tk::colours::sceneRose);
    c.textOut(400, 210, QStringLiteral("F  ->  t"));
    c.line(300, 273, 520, 273);
    c.line(200, 282, 50, 282);
    c.setBrushColor(Qt::black);
    c.line(440, 230, 440, 270);
    c.line(440, 286, 440, 326);
    drawArrowHead(c, 440, 273, 260, 2);
    drawArrowHead(c, 440, 282, 295, 2);

    drawCentreAndProjectionLines(c);
}

// Dotted, with silver between the dots.
void RockwellScene::drawCentreAndProjectionLines(tk::Canvas& c)
{
    c.setBrushColor(tk::colours::silver);
    c.setPenStyle(tk::PenStyle::Dot);
    c.line(212, 260, 212, 432);
    c.line(176, 396, 248, 396);
    c.line(190, 270, 190, 395);
    c.line(234, 270, 234, 395);
}

// The first tick after the dwell: the cone leaves its impression, which stays
// as a pink cavity in the specimen, and the force texts and the space above
// the specimen are wiped. The rise is drawn in the scene colour from here on.
void RockwellScene::unload(tk::Canvas& down, tk::Canvas&)
{
    down.setBrushColor(tk::colours::sceneRose);
    down.setPenColor(tk::colours::sceneRose);
    drawCone(down, m_y);
    // The holder's right top corner at the lowest point lies just beside the
    // holder one pixel higher, which the rise draws next; it would stay as a
    // black dot beside the resting cone.
    drawHolder(down, bottomY);
    down.rectangle(50, 80, 200, 140);
    down.rectangle(22, 230, 330, 269);
}

void RockwellScene::finishRun(tk::Canvas& down)
{
    down.setBrushColor(tk::colours::sceneRose);
    down.setPenColor(tk::colours::sceneRose);
    drawCone(down, m_y);

    down.setBrushColor(tk::colours::indenterRed);
    down.setPenColor(Qt::black);
    drawHolder(down, m_y);
    drawCone(down, m_y);
}

}
