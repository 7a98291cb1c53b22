#include "stress_strain_scene.h"

#include "stress_strain_curves.h"

#include "toolkit/canvas.h"

namespace tensile {

namespace {

// The plot area: X0 = 50, Y1 = 20, X1 and Y2 10 and 90 pixels inside the
// right and bottom edges.
constexpr int curveFrameLeft = 50;
constexpr int curveFrameBottom = 90;

const Curve& curveOf(Steel steel)
{
    return steel == Steel::Unalloyed ? unalloyedSteelCurve() : austeniticSteelCurve();
}

}

StressStrainScene::StressStrainScene(int diagramWidth, int diagramHeight)
    : m_frame(diagramFrame(QSize(diagramWidth, diagramHeight), curveFrameLeft, curveFrameBottom))
{
    m_cursor.moveTo(m_frame.left, static_cast<float>(m_frame.bottom));
}

void StressStrainScene::paintDiagram(tk::Canvas& c, int windowWidth)
{
    m_frame = diagramFrame(QSize(c.width(), c.height()), curveFrameLeft, curveFrameBottom);
    paintEmptyDiagram(c, m_frame, windowWidth, true);
}

void StressStrainScene::toOrigin(tk::Canvas& c)
{
    m_cursor.moveTo(m_frame.left, static_cast<float>(m_frame.bottom));
    c.moveTo(m_frame.left, m_frame.bottom);
}

void StressStrainScene::start(Steel steel, tk::Canvas& c)
{
    m_running = steel;
    m_startEnabled[index(steel)] = false;
    toOrigin(c);
}

void StressStrainScene::tick(Steel steel, tk::Canvas& c)
{
    if (m_running != steel)
        return;
    if (growCurve(c, m_cursor, m_frame, curveOf(steel))) {
        m_running.reset();
        m_eraseEnabled = true;
    }
}

void StressStrainScene::erase()
{
    m_startEnabled[0] = true;
    m_startEnabled[1] = true;
}

void StressStrainScene::close(tk::Canvas& c)
{
    toOrigin(c);
    m_startEnabled[0] = true;
    m_startEnabled[1] = true;
    m_running.reset();
}

}
