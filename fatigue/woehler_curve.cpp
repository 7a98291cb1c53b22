#include "woehler_curve.h"

#include "toolkit/canvas.h"

#include <QCoreApplication>

namespace fatigue {

void CurveAnimator::begin()
{
    m_position = start;
    m_running = true;
}

void CurveAnimator::drawMarks(tk::Canvas& c, const std::vector<CurveMark>& marks, const tk::ScaleFactors& s)
{
    for (const CurveMark& m : marks) {
        if (m.kind == CurveMark::Kind::Text) {
            c.setFontColor(m.colour);
            // The curve tables mark their texts in their own context; a text
            // of two lines has its break at \n, the second 20 pixels lower.
            const QStringList lines =
                QCoreApplication::translate("fatigue::WoehlerInfluenceCurves", m.text).split(u'\n');
            for (int i = 0; i < lines.size(); ++i)
                c.textOut(s.x(m.x1), s.y(m.y1 + 20 * i), lines[i]);
        } else {
            c.setPenColor(m.colour);
            c.setPenWidth(m.width);
            c.line(s.x(m.x1), s.y(m.y1), s.x(m.x2), s.y(m.y2));
        }
    }
}

void CurveAnimator::step(QPoint& p, tk::Canvas* c, const WoehlerCurve& curve, const tk::ScaleFactors& s)
{
    for (const CurveRange& r : curve.ranges) {
        if (p.x() <= r.lower || p.x() > r.upper)
            continue;
        const QPoint from = p;
        p.rx() += r.dx;
        p.ry() = r.setsStartRow ? start.y() : p.y() + r.dy;
        if (!c)
            continue;
        drawMarks(*c, r.marks, s);
        c->setPenColor(curve.colour);
        c->setPenWidth(penWidth);
        c->line(s.x(from.x()), s.y(from.y()), s.x(p.x()), s.y(p.y()));
    }
}

void CurveAnimator::tick(tk::Canvas& c, const WoehlerCurve& curve, const tk::ScaleFactors& s)
{
    if (!m_running)
        return;
    c.setPenColor(curve.colour);
    c.setPenWidth(penWidth);
    c.setBrushColor(Qt::white);
    c.setFontHeight(s.x(fontHeight));
    const QPoint before = m_position;
    step(m_position, &c, curve, s);
    if (m_position == before)
        m_running = false; // no range holds the pen: the curve cannot go on
    else if (m_position.x() > curve.stopAfter) {
        drawMarks(c, curve.stopMarks, s);
        m_running = false;
    }
}

int CurveAnimator::ticksToStop(const WoehlerCurve& curve)
{
    QPoint p = start;
    int ticks = 0;
    while (p.x() <= curve.stopAfter && ticks < 100000) {
        const QPoint before = p;
        step(p, nullptr, curve, {});
        ++ticks;
        if (p == before)
            break; // no range holds the pen: it would never stop
    }
    return ticks;
}

}
