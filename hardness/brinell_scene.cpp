#include "brinell_scene.h"

#include "toolkit/colours.h"
#include "toolkit/diagram.h"

#include <QCoreApplication>

namespace hardness {

void BrinellScene::drawIndenter(tk::Canvas& c, int y)
{
    c.polygon({{175, y - 40}, {170, y - 80}, {253, y - 80}, {248, y - 40}, {180, y - 40}});
    c.ellipse(179, y - 66, 245, y);
}

void BrinellScene::drawRisingIndenter(tk::Canvas& c, int y)
{
    c.polygon({{175, y - 42}, {170, y - 82}, {253, y - 82}, {248, y - 42}, {180, y - 42}});
    c.ellipse(179, y - 66, 245, y);
}

void BrinellScene::drawLoadArrow(tk::Canvas& c, int top)
{
    c.line(212, top, 212, 120);
    c.polygon({{212, 120}, {206, 100}, {218, 100}, {212, 120}});
}

void BrinellScene::drawDiameterDimension(tk::Canvas& c)
{
    c.line(180, 167, 245, 167);
    c.polygon({{180, 167}, {190, 165}, {190, 169}, {180, 167}});
    c.polygon({{245, 167}, {235, 165}, {235, 169}, {245, 167}});
}

void BrinellScene::drawIndenterAtRest(tk::Canvas& c)
{
    drawIndenter(c, m_y);
    drawLoadArrow(c, 50);
    drawDiameterDimension(c);
}

std::span<const tk::PlacedText> BrinellScene::sceneTexts() const
{
    static constexpr tk::PlacedText texts[] = {
        //: Drawn above the Brinell test, room for about 45 characters
        {50, 25, QT_TRANSLATE_NOOP("IndentationScene", "Eindringkörper: Kugel aus gehärtetem Stahl. ")},
        //: Label of the force arrow over the indenter; F is the symbol
        {110, 90, QT_TRANSLATE_NOOP("IndentationScene", "Prüfkraft  F")},
        {205, 140, "D"},
        //: Label of the specimen in the drawing, room for about 8 characters
        {390, 250, QT_TRANSLATE_NOOP("IndentationScene", "Probe")},
    };
    return texts;
}

std::span<const IndentationScene::Stage> BrinellScene::stages() const
{
    static const Stage run[] = {
        {Direction::Down, dwellStartY, dwellInterval, false, nullptr,
         QT_TRANSLATE_NOOP("IndentationScene", "Prüfkraft F wird aufgebracht, die Kugel dringt in die Probe ein")},
        {Direction::Down, fullForceY, 0, false, nullptr, QT_TRANSLATE_NOOP("IndentationScene", "Prüfkraft F wirkt ein")},
        {Direction::Down, bottomY, fastInterval, true, drawing(&BrinellScene::turnAtBottom),
         QT_TRANSLATE_NOOP("IndentationScene", "Entlastung: der Prüfkörper fährt zurück")},
    };
    return run;
}

void BrinellScene::drawDescending(tk::Canvas& down, int y) { drawIndenter(down, y); }

// The rise is outlined in the scene colour, which wipes the column behind it.
void BrinellScene::drawAscending(tk::Canvas& down, int y)
{
    down.setPenColor(tk::colours::sceneRose);
    drawRisingIndenter(down, y);
}

void BrinellScene::turnAtBottom(tk::Canvas& down, tk::Canvas& haupt)
{
    wipeBelowIndenter(down, m_frame.bottom - 260);
    // The rising holder is drawn two pixels higher than the descending one,
    // so each step of the rise retraces, in the scene colour, the holder the
    // descent drew two steps further down; the descent's last holder, one
    // above the lowest point, has no such step. Wiped here, it leaves none of
    // its black outline beside the ball.
    drawIndenter(down, bottomY - 1);
    paintPlanView(haupt);
}

void BrinellScene::wipeBelowIndenter(tk::Canvas& c, int bandTop)
{
    c.setBrushColor(tk::colours::sceneRose);
    c.setPenColor(tk::colours::sceneRose);
    c.ellipse(179, bottomY - 66, 245, bottomY);
    c.rectangle(m_frame.left + 2, bandTop, m_frame.right - 2, m_frame.bottom - 230);
}

void BrinellScene::paintPlanView(tk::Canvas& c)
{
    c.setPenColor(Qt::black);
    c.setPenWidth(2);
    c.setBrushColor(tk::colours::silver);
    c.rectangle(50, 340, 380, 450);
    c.ellipse(189, 374, 234, 418);
    c.line(212, 374, 282, 374);
    c.line(212, 418, 282, 418);
    c.line(272, 350, 272, 374);
    c.line(272, 418, 272, 442);
    c.setBrushColor(Qt::black);
    c.polygon({{272, 374}, {276, 359}, {268, 359}, {272, 374}});
    c.polygon({{272, 418}, {276, 433}, {268, 433}, {272, 418}});

    // Dotted lines with silver gaps, and the label on a silver ground.
    c.setBrushColor(tk::colours::silver);
    c.setPenWidth(1);
    c.setPenStyle(tk::PenStyle::Dot);
    c.line(212, 260, 212, 432);
    c.line(171, 396, 248, 396);
    c.setFontHeight(20);
    //: Dimension of the Brinell indentation; d is the symbol
    c.textOut(250, 380, QCoreApplication::translate("IndentationScene", "Durchmesser d"));
    c.line(189, 270, 189, 395);
    c.line(234, 270, 234, 395);
}

void BrinellScene::finishRun(tk::Canvas& c)
{
    c.setPenColor(Qt::black);
    drawIndenter(c, m_y);

    wipeBelowIndenter(c, m_frame.bottom - 280);

    c.setBrushColor(tk::colours::indenterRed);
    c.setPenColor(Qt::black);
    drawIndenter(c, m_y);
    drawLoadArrow(c, 40);
    drawDiameterDimension(c);

    paintFormulaBlock(c);
}

void BrinellScene::paintFormulaBlock(tk::Canvas& c)
{
    c.setBrushStyle(tk::BrushStyle::Clear);
    c.setFontHeight(24);
    c.setPenWidth(2);
    c.textOut(205, 140, QStringLiteral("D"));
    //: Heading of the Brinell formulas; HB is the symbol
    c.textOut(332, 75, QCoreApplication::translate("IndentationScene", "Brinellhärte  HB"));
    c.textOut(270, 125, QStringLiteral("HB = "));
    c.textOut(335, 110, testForceNumerator());
    c.line(320, 137, 500, 137);
    c.textOut(330, 140, indentationAreaDenominator());
    //: The meaning of d in the Brinell formula, drawn on two lines split at |
    tk::drawPieces(c, QCoreApplication::translate("IndentationScene", "d = Durchmesser|    des Eindrucks"),
                   {{370, 305}, {370, 335}});
    c.textOut(270, 185, QStringLiteral("HB = "));
    c.textOut(375, 170, QStringLiteral("0.204 * F"));
    c.line(320, 197, 510, 197);
    // The exponent of d follows at 496.
    c.textOut(340, 210, QStringLiteral("* D * (D -      D   -  d "));
    c.textOut(504, 210, QStringLiteral(")"));

    // The exponents of D and d under the root, and the root sign over them.
    c.setFontHeight(18);
    c.textOut(454, 206, QStringLiteral("2"));
    c.textOut(496, 206, QStringLiteral("2"));
    c.polyline({{417, 218}, {422, 226}, {428, 205}, {520, 205}});

    // "p" in the symbol font is the letter pi.
    c.setFontHeight(24);
    c.setFontName(QStringLiteral("Symbol"));
    c.textOut(320, 210, QStringLiteral("p"));
    c.setFontName(QStringLiteral("MS Sans Serif"));
}

}
