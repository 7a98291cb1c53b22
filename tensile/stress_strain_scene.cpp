#include "stress_strain_scene.h"

#include "toolkit/canvas.h"
#include "toolkit/colours.h"
#include "toolkit/diagram.h"
#include "toolkit/numbers.h"
#include "toolkit/screen.h"

namespace tensile {

namespace {

constexpr int labelHeight = 18;

// The curve formulas are evaluated in extended precision and stored in the
// single-precision cursor; the stored float is what the next tick sees.
float single(long double value) { return tk::toSingle(value); }

long double squared(int value) { return static_cast<long double>(value) * value; }

}

StressStrainScene::StressStrainScene(int diagramWidth, int diagramHeight)
{
    computeFrame(diagramWidth, diagramHeight);
    m_cursor.x = m_frame.x0;
    m_cursor.y = static_cast<float>(m_frame.y2);
}

void StressStrainScene::computeFrame(int width, int height)
{
    m_frame.x0 = 50;
    m_frame.y1 = 20;
    m_frame.x1 = width - 10;
    m_frame.y2 = height - 90;
    m_frame.dy = tk::idiv(m_frame.y2 - m_frame.y1, 8);
    m_frame.dx = tk::idiv(m_frame.x1 - m_frame.x0, 11);
}

void StressStrainScene::paintDiagram(tk::Canvas& c, int windowWidth)
{
    computeFrame(c.width(), c.height());
    const Frame& f = m_frame;

    tk::drawStripes(c, windowWidth);

    c.setPenColor(tk::colours::almostBlack);
    c.setPenWidth(1);
    c.setBrushColor(tk::colours::paleYellow);
    tk::drawPlotGrid(c, {.left = f.x0, .top = f.y1, .right = f.x1, .bottom = f.y2, .dx = f.dx, .dy = f.dy,
                         .firstRow = 1, .lastRow = 7, .firstColumn = 0, .lastColumn = 10});

    c.setFontHeight(labelHeight);
    c.setFontColor(Qt::black);
    c.textOut(f.x0 - 30, static_cast<int>(tk::roundHalfEven(f.y2 - 19 - f.dy * 8.07L)),
              QStringLiteral("Spannung in N/qmm"));
    for (int k = 7; k >= 1; --k)
        c.textOut(f.x0 - 30, f.y2 - 6 - k * f.dy, QString::number(k * 100));
    c.textOut(f.x0 + 5 * f.dx, f.y2 + 25, QStringLiteral("Dehnung in % "));
    static const char* const strains[] = {" 0", " 5", "10", "15", "20", "25", "30", "35", "40", "45", "50"};
    for (int k = 0; k <= 10; ++k)
        c.textOut(f.x0 - 7 + k * f.dx, f.y2 + 5, QString::fromLatin1(strains[k]));

    c.setPenStyle(tk::PenStyle::Solid);
}

void StressStrainScene::start(Steel steel, tk::Canvas& c)
{
    m_running = steel;
    m_startEnabled[index(steel)] = false;
    m_cursor.x = m_frame.x0;
    m_cursor.y = static_cast<float>(m_frame.y2);
    c.moveTo(m_frame.x0, m_frame.y2);
}

void StressStrainScene::tick(Steel steel, tk::Canvas& c)
{
    if (m_running != steel)
        return;
    if (steel == Steel::Unalloyed)
        tickUnalloyed(c);
    else
        tickAustenitic(c);
}

// Each range tests the cursor as the range before left it, so the tick that
// crosses a boundary also draws the first piece of the next range.
void StressStrainScene::tickUnalloyed(tk::Canvas& c)
{
    c.setPenWidth(3);
    c.setPenColor(tk::colours::red);
    c.setFontColor(Qt::white);

    // Hooke's line, 20 rows per column, always drawn from the origin.
    if (m_cursor.x <= 55) {
        m_cursor.x += 1;
        m_cursor.y = single(m_cursor.y - 20.0L);
        c.moveTo(m_frame.x0, m_frame.y2);
        c.lineTo(m_cursor.x, m_cursor.row());
    }
    // The flatter piece up to the yield region.
    if (m_cursor.x > 55 && m_cursor.x < 65) {
        const QPoint from = m_cursor.pixel();
        m_cursor.x += 1;
        m_cursor.y = single(220 - 0.5L * m_cursor.x);
        c.moveTo(from.x(), from.y());
        c.lineTo(m_cursor.x, m_cursor.row());
    }
    // Strain hardening up to the tensile strength at column 140.
    if (m_cursor.x >= 65 && m_cursor.x < 150) {
        c.line(m_cursor.x, m_cursor.row(), m_cursor.x + 1, m_cursor.row());
        m_cursor.x += 1;
        m_cursor.y = single(130 + 0.01L * squared(m_cursor.x - 140));
    }
    // Necking: the flatter fall towards fracture.
    if (m_cursor.x >= 150 && m_cursor.x < 215) {
        c.line(m_cursor.x, m_cursor.row(), m_cursor.x + 1, m_cursor.row());
        m_cursor.x += 1;
        m_cursor.y = single(130 + 0.003L * squared(m_cursor.x - 140));
    }
    if (m_cursor.x >= 215)
        finishUnalloyed(c);
}

void StressStrainScene::tickAustenitic(tk::Canvas& c)
{
    c.setPenWidth(3);
    c.setPenColor(tk::colours::blue);
    c.setFontColor(Qt::white);

    if (m_cursor.x <= 54) {
        m_cursor.x += 1;
        m_cursor.y = single(m_cursor.y - 19.0L);
        c.moveTo(m_frame.x0, m_frame.y2);
        c.lineTo(m_cursor.x, m_cursor.row());
    }
    // A steady transition without a yield point.
    if (m_cursor.x >= 54 && m_cursor.x < 120) {
        c.line(m_cursor.x, m_cursor.row(), m_cursor.x + 2, m_cursor.row());
        m_cursor.x += 2;
        m_cursor.y = single(303 - 1.09L * m_cursor.x);
    }
    // Hardening up to the tensile strength at column 310.
    if (m_cursor.x >= 120 && m_cursor.x < 325) {
        c.line(m_cursor.x, m_cursor.row(), m_cursor.x + 2, m_cursor.row());
        m_cursor.x += 2;
        m_cursor.y = single(96 + 0.0021L * squared(m_cursor.x - 310));
    }
    if (m_cursor.x >= 325 && m_cursor.x < 450) {
        c.line(m_cursor.x, m_cursor.row(), m_cursor.x + 2, m_cursor.row());
        m_cursor.x += 2;
        m_cursor.y = single(96 + 0.003L * squared(m_cursor.x - 320));
    }
    if (m_cursor.x >= 450)
        finishAustenitic(c);
}

void StressStrainScene::finishUnalloyed(tk::Canvas& c)
{
    c.setBrushColor(tk::colours::red);
    c.setFontHeight(labelHeight);
    c.textOut(m_cursor.x, static_cast<int>(tk::roundHalfEven(m_cursor.y + 1.0L)), QStringLiteral("  Bruch  "));
    c.textOut(49, 165, QStringLiteral("Re"));
    c.textOut(60, 250, QStringLiteral("Hookesche Gerade"));
    c.textOut(140, 110, QStringLiteral("Rm"));
    c.textOut(m_cursor.x, static_cast<int>(tk::roundHalfEven(m_cursor.y + 20.0L)), QStringLiteral(" unlegierter Stahl "));
    finish();
}

void StressStrainScene::finishAustenitic(tk::Canvas& c)
{
    const Frame& f = m_frame;
    c.setPenColor(tk::colours::purple);
    c.setBrushColor(tk::colours::blue);
    c.setFontHeight(labelHeight);
    c.textOut(m_cursor.x - 20, static_cast<int>(tk::roundHalfEven(m_cursor.y + 1.0L)), QStringLiteral("  Bruch  "));
    c.textOut(73, 228, QStringLiteral("Rp0.2"));
    c.textOut(60, 250, QStringLiteral("Hookesche Gerade"));
    c.textOut(320, 76, QStringLiteral("Rm"));
    c.textOut(f.x0 + 15, f.y2 + 3, QStringLiteral(" 0.2 % Dehnung "));
    c.textOut(m_cursor.x - 100, static_cast<int>(tk::roundHalfEven(m_cursor.y + 30.0L)), QStringLiteral(" hochlegierter  "));
    c.textOut(m_cursor.x - 100, static_cast<int>(tk::roundHalfEven(m_cursor.y + 50.0L)),
              QStringLiteral(" austenitischer Stahl  "));

    // The 0.2 % offset line parallel to Hooke's line, and its two marks on
    // the strain axis.
    c.setPenWidth(3);
    c.line(60, 240, 55, f.y2);
    c.setPenColor(Qt::black);
    c.setPenWidth(1);
    c.line(f.x0, f.y2, f.x0, f.y2 + 15);
    c.line(55, f.y2, 55, f.y2 + 15);
    finish();
}

void StressStrainScene::finish()
{
    m_running.reset();
    m_eraseEnabled = true;
}

void StressStrainScene::erase()
{
    m_startEnabled[0] = true;
    m_startEnabled[1] = true;
}

void StressStrainScene::close(tk::Canvas& c)
{
    m_cursor.x = m_frame.x0;
    m_cursor.y = static_cast<float>(m_frame.y2);
    c.moveTo(m_frame.x0, m_frame.y2);
    m_startEnabled[0] = true;
    m_startEnabled[1] = true;
    m_running.reset();
}

}
