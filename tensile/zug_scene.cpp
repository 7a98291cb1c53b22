#include "zug_scene.h"

#include "toolkit/canvas.h"
#include "toolkit/colours.h"
#include "toolkit/numbers.h"
#include "toolkit/screen.h"

namespace {

const QColor unalloyedRed = tk::tcolor(0x0000FF);
const QColor austeniticBlue = tk::tcolor(0xFF0000);
const QColor offsetPurple = tk::tcolor(0x800080);
const QColor plotYellow = tk::tcolor(0xC4FFFF);
const QColor frameBlack = tk::tcolor(1);

constexpr int labelHeight = 18;

// The curve formulas are evaluated in extended precision and stored in the
// single-precision cursor; the stored float is what the next tick sees.
float single(long double value) { return tk::toSingle(value); }

long double squared(int value) { return static_cast<long double>(value) * value; }

}

ZugScene::ZugScene(int diagramWidth, int diagramHeight)
{
    computeFrame(diagramWidth, diagramHeight);
    m_cx = m_frame.x0;
    m_cy = static_cast<float>(m_frame.y2);
}

void ZugScene::computeFrame(int width, int height)
{
    m_frame.x0 = 50;
    m_frame.y1 = 20;
    m_frame.x1 = width - 10;
    m_frame.y2 = height - 90;
    m_frame.dy = tk::idiv(m_frame.y2 - m_frame.y1, 8);
    m_frame.dx = tk::idiv(m_frame.x1 - m_frame.x0, 11);
}

int ZugScene::row() const { return static_cast<int>(tk::roundHalfEven(m_cy)); }

QPoint ZugScene::cursorPixel() const { return {m_cx, row()}; }

void ZugScene::paintDiagram(tk::Canvas& c, int windowWidth)
{
    computeFrame(c.width(), c.height());
    const Frame& f = m_frame;

    // Bands from almost black at the top edge through yellow to light green.
    c.setPenWidth(3);
    for (int i = 0; i <= 200; ++i) {
        c.setPenColor(tk::tcolor(65536 - i));
        c.line(4, 3 * i, windowWidth, 3 * i);
    }

    c.setPenColor(frameBlack);
    c.setPenWidth(1);
    c.setBrushColor(plotYellow);
    c.rectangle(f.x0, f.y1, f.x1, f.y2);

    c.setPenStyle(tk::PenStyle::Dot);
    c.setBrushStyle(tk::BrushStyle::Clear);
    for (int i = 1; i <= 7; ++i)
        c.line(f.x0, f.y2 - i * f.dy, f.x1, f.y2 - i * f.dy);
    for (int i = 0; i <= 10; ++i)
        c.line(f.x0 + i * f.dx, f.y1, f.x0 + i * f.dx, f.y2);

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

void ZugScene::start(Steel steel, tk::Canvas& c)
{
    m_running = steel;
    m_startEnabled[index(steel)] = false;
    m_cx = m_frame.x0;
    m_cy = static_cast<float>(m_frame.y2);
    c.moveTo(m_frame.x0, m_frame.y2);
}

void ZugScene::tick(Steel steel, tk::Canvas& c)
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
void ZugScene::tickUnalloyed(tk::Canvas& c)
{
    c.setPenWidth(3);
    c.setPenColor(unalloyedRed);
    c.setFontColor(Qt::white);

    // Hooke's line, 20 rows per column, always drawn from the origin.
    if (m_cx <= 55) {
        m_cx += 1;
        m_cy = single(m_cy - 20.0L);
        c.moveTo(m_frame.x0, m_frame.y2);
        c.lineTo(m_cx, row());
    }
    // The flatter piece up to the yield region.
    if (m_cx > 55 && m_cx < 65) {
        const QPoint from = cursorPixel();
        m_cx += 1;
        m_cy = single(220 - 0.5L * m_cx);
        c.moveTo(from.x(), from.y());
        c.lineTo(m_cx, row());
    }
    // Strain hardening up to the tensile strength at column 140.
    if (m_cx >= 65 && m_cx < 150) {
        c.line(m_cx, row(), m_cx + 1, row());
        m_cx += 1;
        m_cy = single(130 + 0.01L * squared(m_cx - 140));
    }
    // Necking: the flatter fall towards fracture.
    if (m_cx >= 150 && m_cx < 215) {
        c.line(m_cx, row(), m_cx + 1, row());
        m_cx += 1;
        m_cy = single(130 + 0.003L * squared(m_cx - 140));
    }
    if (m_cx >= 215)
        finishUnalloyed(c);
}

void ZugScene::tickAustenitic(tk::Canvas& c)
{
    c.setPenWidth(3);
    c.setPenColor(austeniticBlue);
    c.setFontColor(Qt::white);

    if (m_cx <= 54) {
        m_cx += 1;
        m_cy = single(m_cy - 19.0L);
        c.moveTo(m_frame.x0, m_frame.y2);
        c.lineTo(m_cx, row());
    }
    // A steady transition without a yield point.
    if (m_cx >= 54 && m_cx < 120) {
        c.line(m_cx, row(), m_cx + 2, row());
        m_cx += 2;
        m_cy = single(303 - 1.09L * m_cx);
    }
    // Hardening up to the tensile strength at column 310.
    if (m_cx >= 120 && m_cx < 325) {
        c.line(m_cx, row(), m_cx + 2, row());
        m_cx += 2;
        m_cy = single(96 + 0.0021L * squared(m_cx - 310));
    }
    if (m_cx >= 325 && m_cx < 450) {
        c.line(m_cx, row(), m_cx + 2, row());
        m_cx += 2;
        m_cy = single(96 + 0.003L * squared(m_cx - 320));
    }
    if (m_cx >= 450)
        finishAustenitic(c);
}

void ZugScene::finishUnalloyed(tk::Canvas& c)
{
    c.setBrushColor(unalloyedRed);
    c.setFontHeight(labelHeight);
    c.textOut(m_cx, static_cast<int>(tk::roundHalfEven(m_cy + 1.0L)), QStringLiteral("  Bruch  "));
    c.textOut(49, 165, QStringLiteral("Re"));
    c.textOut(60, 250, QStringLiteral("Hookesche Gerade"));
    c.textOut(140, 110, QStringLiteral("Rm"));
    c.textOut(m_cx, static_cast<int>(tk::roundHalfEven(m_cy + 20.0L)), QStringLiteral(" unlegierter Stahl "));
    finish();
}

void ZugScene::finishAustenitic(tk::Canvas& c)
{
    const Frame& f = m_frame;
    c.setPenColor(offsetPurple);
    c.setBrushColor(austeniticBlue);
    c.setFontHeight(labelHeight);
    c.textOut(m_cx - 20, static_cast<int>(tk::roundHalfEven(m_cy + 1.0L)), QStringLiteral("  Bruch  "));
    c.textOut(73, 228, QStringLiteral("Rp0.2"));
    c.textOut(60, 250, QStringLiteral("Hookesche Gerade"));
    c.textOut(320, 76, QStringLiteral("Rm"));
    c.textOut(f.x0 + 15, f.y2 + 3, QStringLiteral(" 0.2 % Dehnung "));
    c.textOut(m_cx - 100, static_cast<int>(tk::roundHalfEven(m_cy + 30.0L)), QStringLiteral(" hochlegierter  "));
    c.textOut(m_cx - 100, static_cast<int>(tk::roundHalfEven(m_cy + 50.0L)),
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

void ZugScene::finish()
{
    m_running.reset();
    m_eraseEnabled = true;
}

void ZugScene::erase()
{
    m_startEnabled[0] = true;
    m_startEnabled[1] = true;
}

void ZugScene::close(tk::Canvas& c)
{
    m_cx = m_frame.x0;
    m_cy = static_cast<float>(m_frame.y2);
    c.moveTo(m_frame.x0, m_frame.y2);
    m_startEnabled[0] = true;
    m_startEnabled[1] = true;
    m_running.reset();
}
