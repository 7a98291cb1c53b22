#include "standard_specimen_scene.h"

#include "stress_strain_curves.h"

#include "toolkit/canvas.h"
#include "toolkit/colours.h"

#include <QCoreApplication>

#include <utility>

namespace tensile {

namespace {

// The plot area: 35 pixels from the left, 10 and 60 inside the right and
// bottom edges.
constexpr int specimenFrameLeft = 35;
constexpr int specimenFrameBottom = 60;

// The specimen's phases: the curve column range in which each applies (both
// ends included), and the columns that the shank's edges narrow to. Where
// ranges overlap, every matching phase runs.
struct NeckPhase {
    int from, to;
    int leftEdge, rightEdge;
    int notchDepth; // 0: no neck yet
};
constexpr NeckPhase neckPhases[] = {
    {70, 149, 75, 125, 0},  {130, 159, 76, 124, 0}, {160, 189, 77, 123, 0}, {190, 214, 78, 122, 0},
    {215, 229, 79, 123, 0}, {230, 249, 80, 122, 1}, {250, 269, 81, 121, 2}, {270, 289, 82, 120, 3},
};

constexpr int elasticEnd = 70;   // the first phase: lengthening without narrowing
constexpr int fractureFrom = 299;
// Where the curve leaves Hooke's line (the drop from the upper yield point
// starts one column on), where it hardens after the yield plateau, and where
// it has reached the tensile strength.
constexpr int yieldFrom = elasticEnd + 2;
constexpr int hardeningFrom = 100;
constexpr int neckingFrom = 230;

constexpr int neckRow = 250; // mid-length: top + bottom is always 500

}

StandardSpecimenScene::StandardSpecimenScene(int diagramWidth, int diagramHeight)
    : m_frame(diagramFrame(QSize(diagramWidth, diagramHeight), specimenFrameLeft, specimenFrameBottom))
{
    m_cursor.moveTo(m_frame.left, static_cast<float>(m_frame.bottom));
}

// ------------------------------------------------------------- static pictures

// The axes carry no numbers here: the curve is schematic.
void StandardSpecimenScene::paintDiagram(tk::Canvas& c, int windowWidth)
{
    m_frame = diagramFrame(QSize(c.width(), c.height()), specimenFrameLeft, specimenFrameBottom);
    paintEmptyDiagram(c, m_frame, windowWidth, false);
}

void StandardSpecimenScene::paintSpecimen(tk::Canvas& c) const
{
    // Width 1 on every paint: the force arrows leave a wide pen behind, which
    // would turn the dash-dot centre line solid on the next repaint.
    c.setPenStyle(tk::PenStyle::Solid);
    c.setPenWidth(1);
    c.setPenColor(tk::colours::grey);
    c.setBrushColor(tk::colours::paleYellow);
    c.rectangle(0, 0, c.width(), c.height());

    c.setPenStyle(tk::PenStyle::DashDot);
    c.line(100, 50, 100, 450);
    c.setFontHeight(22);
    c.setFontColor(Qt::black);
    //: Drawn above the specimen: the tensile test piece, room for about 12 characters
    c.textOut(10, 10, QCoreApplication::translate("tensile::StandardSpecimenScene", "Zugstab"));

    // Two heads 60 pixels wide joined by chamfers to the 50-pixel shank.
    c.setPenStyle(tk::PenStyle::Solid);
    c.setBrushColor(tk::colours::grey);
    c.polygon({{70, m_top},
               {130, m_top},
               {130, 150},
               {125, 155},
               {125, 345},
               {130, 350},
               {130, m_bottom},
               {70, m_bottom},
               {70, 350},
               {75, 345},
               {75, 155},
               {70, 150}});

    // The pulling forces.
    c.setPenWidth(5);
    c.setPenColor(tk::colours::arrowBlack);
    c.line(100, 30, 100, 10);
    c.line(100, 10, 103, 19);
    c.line(100, 10, 97, 19);
    c.line(100, 470, 100, 490);
    c.line(100, 490, 103, 481);
    c.line(100, 490, 97, 481);
}

// ------------------------------------------------------------------ the curve

StandardSpecimenScene::Stage StandardSpecimenScene::stage() const
{
    if (!m_curveRunning)
        return m_startEnabled ? Stage::NotStarted : Stage::Broken;
    const int cx = m_cursor.x;
    return cx < yieldFrom       ? Stage::Elastic
           : cx < hardeningFrom ? Stage::Yielding
           : cx < neckingFrom   ? Stage::Hardening
                                : Stage::Necking;
}

void StandardSpecimenScene::toOrigin(tk::Canvas& diagram)
{
    m_cursor.moveTo(m_frame.left, static_cast<float>(m_frame.bottom));
    diagram.moveTo(m_frame.left, m_frame.bottom);
}

void StandardSpecimenScene::start(tk::Canvas& diagram)
{
    m_curveRunning = true;
    m_specimenRunning = true;
    m_startEnabled = false;
    toOrigin(diagram);
}

void StandardSpecimenScene::curveTick(tk::Canvas& c)
{
    if (m_curveRunning && growCurve(c, m_cursor, m_frame, yieldPointSteelCurve()))
        m_curveRunning = false;
}

// --------------------------------------------------------------- the specimen

void StandardSpecimenScene::specimenTick(tk::Canvas& c)
{
    if (!m_specimenRunning)
        return;
    c.setPenMode(tk::PenMode::Copy);
    c.setPenStyle(tk::PenStyle::Solid);
    c.setPenWidth(1);
    c.setPenColor(tk::colours::grey);
    const int cx = m_cursor.x;

    if (cx <= elasticEnd) {
        m_specimenInterval = elasticSpecimenInterval;
        lengthenElastic(c);
    }
    for (const NeckPhase& phase : neckPhases) {
        if (cx < phase.from || cx > phase.to)
            continue;
        m_specimenInterval = plasticSpecimenInterval;
        lengthen(c, phase.leftEdge, phase.rightEdge);
        if (phase.notchDepth > 0)
            notch(c, phase.notchDepth);
    }
    if (cx >= fractureFrom) {
        m_specimenInterval = plasticSpecimenInterval;
        fracture(c);
        m_specimenRunning = false;
    }
}

// While the curve is elastic the ends move out and the shank keeps its
// width: only the columns just outside it are cleaned. The new top row runs
// from column 70 to column 130, both included, as wide as the head.
void StandardSpecimenScene::lengthenElastic(tk::Canvas& c)
{
    m_top -= 1;
    m_bottom += 1;
    c.line(70, m_top, 131, m_top);
    c.line(69, m_bottom, 131, m_bottom);
    c.setPenColor(tk::colours::paleYellow);
    c.line(69, m_top, 69, 150);
    c.line(74, m_top + 55, 74, 345);
    c.line(126, 155, 126, m_bottom - 55);
}

// The ends move out by one row each; then everything beside the new outline,
// from the columns just outside the heads to the chamfers and the shank's
// edge columns, is painted in the background colour. This takes away what is
// left of the previous outline, also where the edge columns have moved in
// since the last tick, and edge columns at or inside the shank narrow it.
void StandardSpecimenScene::lengthen(tk::Canvas& c, int leftEdge, int rightEdge)
{
    m_leftEdge = leftEdge;
    m_rightEdge = rightEdge;
    m_top -= 1;
    m_bottom += 1;
    c.setPenColor(tk::colours::grey);
    c.line(69, m_top, 131, m_top);
    c.line(69, m_bottom, 131, m_bottom);

    c.setPenColor(tk::colours::paleYellow);
    c.setBrushColor(tk::colours::paleYellow);
    for (const auto& [outside, edge] : {std::pair{69, leftEdge}, std::pair{131, rightEdge}})
        c.polygon({{outside, m_top},
                   {outside, m_top + 50},
                   {edge, m_top + 55},
                   {edge, m_bottom - 55},
                   {outside, m_bottom - 50},
                   {outside, m_bottom}});
}

// The neck at mid-length, cut into both edges of the shank.
void StandardSpecimenScene::notch(tk::Canvas& c, int depth) const
{
    c.setPenColor(tk::colours::paleYellow);
    c.setBrushColor(tk::colours::paleYellow);
    const int l = m_leftEdge, r = m_rightEdge;
    switch (depth) {
    case 1:
        c.polygon({{l, neckRow - 5}, {l, neckRow + 5}, {l + 1, neckRow}});
        c.polygon({{r, neckRow - 5}, {r, neckRow + 5}, {r - 1, neckRow}});
        break;
    case 2:
        c.polygon({{l, neckRow - 7}, {l, neckRow + 7}, {l + 2, neckRow}, {l, neckRow - 3}});
        c.polygon({{r, neckRow - 7}, {r, neckRow + 7}, {r - 2, neckRow}, {r, neckRow - 3}});
        break;
    default:
        c.polygon({{l, neckRow - 10}, {l, neckRow + 10}, {l + 3, neckRow}});
        c.polygon({{r, neckRow - 10}, {r, neckRow + 10}, {r - 3, neckRow}});
        break;
    }
}

// The specimen breaks at the neck: a gap across the whole shank.
void StandardSpecimenScene::fracture(tk::Canvas& c)
{
    m_leftEdge = 85;
    m_rightEdge = 117;
    c.setPenColor(tk::colours::paleYellow);
    c.setBrushColor(tk::colours::paleYellow);
    c.polygon({{85, 240}, {85, 260}, {89, 250}});
    c.rectangle(85, 248, 117, 252);
    c.polygon({{117, 240}, {117, 260}, {113, 250}});
}

void StandardSpecimenScene::close(tk::Canvas& diagram)
{
    toOrigin(diagram);
    m_startEnabled = true;
    m_curveRunning = false;
    m_specimenRunning = false;
    m_top = restTop;
    m_bottom = restBottom;
    m_leftEdge = restLeftEdge;
    m_rightEdge = restRightEdge;
}

}
