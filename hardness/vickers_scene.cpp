#include "vickers_scene.h"

#include "toolkit/colours.h"
#include "toolkit/diagram.h"

#include <QCoreApplication>

namespace hardness {

void VickersScene::drawHolder(tk::Canvas& c, int y)
{
    c.polygon({{174, y - 15}, {170, y - 55}, {253, y - 55}, {248, y - 15}, {180, y - 15}});
}

void VickersScene::drawTip(tk::Canvas& c, int y) { c.polygon({{174, y - 15}, {212, y}, {246, y - 15}, {174, y - 15}}); }

void VickersScene::drawLoadArrow(tk::Canvas& c)
{
    c.line(212, 80, 212, 145);
    c.polygon({{212, 145}, {206, 125}, {218, 125}, {212, 145}});
}

void VickersScene::drawIndenterAtRest(tk::Canvas& c)
{
    drawHolder(c, m_y);
    drawTip(c, m_y);
    drawLoadArrow(c);
}

std::span<const tk::PlacedText> VickersScene::sceneTexts() const
{
    static constexpr tk::PlacedText texts[] = {
        //: Drawn above the Vickers test, first of two lines (about 45 characters each)
        {50, 25, QT_TRANSLATE_NOOP("IndentationScene", "Eindringkörper: vierseitige Diamantpyramide ")},
        //: Drawn above the Vickers test, second of two lines
        {50, 50, QT_TRANSLATE_NOOP("IndentationScene", "mit 136° Spitzenwinkel.")},
        {110, 100, QT_TRANSLATE_NOOP("IndentationScene", "Prüfkraft  F")},
        {290, 240, QT_TRANSLATE_NOOP("IndentationScene", "Probe")},
    };
    return texts;
}

std::span<const IndentationScene::Stage> VickersScene::stages() const
{
    static const Stage run[] = {
        {Direction::Down, dwellStartY, dwellInterval, false, nullptr,
         QT_TRANSLATE_NOOP("IndentationScene", "Prüfkraft F wird aufgebracht, die Pyramide dringt in die Probe ein")},
        {Direction::Down, fullForceY, 0, false, nullptr, QT_TRANSLATE_NOOP("IndentationScene", "Prüfkraft F wirkt ein")},
        {Direction::Down, bottomY, fastInterval, true, drawing(&VickersScene::turnAtBottom),
         QT_TRANSLATE_NOOP("IndentationScene", "Entlastung: der Prüfkörper fährt zurück")},
    };
    return run;
}

void VickersScene::drawDescending(tk::Canvas& down, int y)
{
    drawHolder(down, y);
    drawTip(down, y);
}

// The rise keeps the scene-coloured pen of the turn: each position is
// outlined in the scene colour, which wipes the column behind it.
void VickersScene::drawAscending(tk::Canvas& down, int y)
{
    drawHolder(down, y);
    drawTip(down, y);
}

void VickersScene::turnAtBottom(tk::Canvas& down, tk::Canvas& haupt)
{
    down.setBrushColor(tk::colours::sceneRose);
    down.setPenColor(tk::colours::sceneRose);
    drawTip(down, m_y);
    paintPlanView(haupt);
}

void VickersScene::paintPlanView(tk::Canvas& c)
{
    c.setPenColor(Qt::black);
    c.setPenWidth(2);
    c.setBrushColor(tk::colours::silver);
    c.rectangle(50, 340, 380, 450);
    c.rectangle(192, 377, 231, 415);

    // The diagonals' labels stand on the silver brush, in the font the last
    // paint left.
    c.setPenStyle(tk::PenStyle::Solid);
    c.setPenWidth(1);
    c.line(231, 415, 198, 445);
    c.line(192, 377, 159, 407);
    c.textOut(235, 413, QStringLiteral("d1"));
    c.line(192, 415, 225, 445);
    c.line(231, 377, 264, 407);
    c.textOut(168, 413, QStringLiteral("d2"));

    c.setPenWidth(2);
    c.setBrushStyle(tk::BrushStyle::Clear);
    paintMeanDiagonal(c);

    c.setFontHeight(20);
    c.line(192, 270, 192, 395);
    c.line(230, 270, 230, 395);
    c.setPenStyle(tk::PenStyle::Dot);
    c.line(212, 260, 212, 432);
    c.line(176, 396, 248, 396);
}

void VickersScene::paintMeanDiagonal(tk::Canvas& c)
{
    c.textOut(400, 288, QStringLiteral("D = "));
    c.textOut(445, 273, QStringLiteral("d2 + d1"));
    c.textOut(475, 303, QStringLiteral("2"));
    c.line(440, 300, 510, 300);
}

void VickersScene::finishRun(tk::Canvas& c)
{
    drawTip(c, m_y);
    drawHolder(c, m_y);
    drawTip(c, m_y);

    // Clears the band below the resting tip.
    c.setBrushColor(tk::colours::sceneRose);
    c.setPenColor(tk::colours::sceneRose);
    drawTip(c, m_y);
    c.rectangle(m_frame.left + 2, m_frame.bottom - 280, m_frame.right - 2, m_frame.bottom - 250);

    c.setBrushColor(tk::colours::indenterRed);
    c.setPenColor(Qt::black);
    drawHolder(c, m_y);
    drawTip(c, m_y);
    drawLoadArrow(c);

    paintFormulaBlock(c);
}

void VickersScene::paintFormulaTexts(tk::Canvas& c, bool withMeanDiagonal)
{
    c.setBrushStyle(tk::BrushStyle::Clear);
    c.setFontHeight(24);
    c.setPenWidth(2);
    //: Heading of the Vickers formulas; HV is the symbol
    c.textOut(322, 75, QCoreApplication::translate("IndentationScene", "Vickershärte HV"));
    c.textOut(270, 125, QStringLiteral("HV = "));
    c.textOut(335, 110, testForceNumerator());
    c.line(320, 137, 500, 137);
    c.textOut(330, 140, indentationAreaDenominator());
    c.textOut(290, 185, QStringLiteral("HV = "));
    c.textOut(375, 170, QStringLiteral("0.189 * F"));
    c.line(340, 197, 480, 197);
    c.textOut(400, 210, QStringLiteral(" D "));
    //: The meaning of d1 and d2 in the Vickers formula, drawn on three lines split at |
    tk::drawPieces(c, QCoreApplication::translate("IndentationScene", "d2 und d1 =|Diagonale |des Eindrucks "),
                   {{400, 350}, {400, 380}, {400, 410}});
    if (withMeanDiagonal)
        paintMeanDiagonal(c);
    // The exponent of D, last and smaller.
    c.setFontHeight(18);
    c.textOut(420, 206, QStringLiteral("2"));
}

void VickersScene::paintFormulaBlock(tk::Canvas& c) { paintFormulaTexts(c, false); }

void VickersScene::paintCalculationBasis(tk::Canvas& down) { paintFormulaTexts(down, true); }

}
