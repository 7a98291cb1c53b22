#include "transition_diagram.h"

#include "diagram_drawing.h"
#include "toolkit/colours.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace evaluation::windows {

namespace {

// The texts of this file, in their translation context.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(TransitionDiagram)
};

// The temperatures the axis must show: the points, and where a curve was
// fitted its transition region and the marks, as far as they stay near the
// points (a mark far outside would squeeze the points together).
AxisRange temperatureSpan(const TransitionDiagramContent& c)
{
    double lo = INFINITY, hi = -INFINITY;
    for (const auto& p : c.points) {
        lo = std::min(lo, p.temperature);
        hi = std::max(hi, p.temperature);
    }
    if (!std::isfinite(lo))
        return {-100, 60};
    const double reach = std::max(hi - lo, 20.0) * 0.5;
    auto include = [&](double t) {
        if (std::isfinite(t) && t > lo - reach && t < hi + reach) {
            lo = std::min(lo, t);
            hi = std::max(hi, t);
        }
    };
    if (c.curve) {
        include(c.curve->transitionStart());
        include(c.curve->transitionEnd());
        for (const auto& m : c.marks)
            if (m.temperature)
                include(m.temperature->value);
    }
    return {lo, hi};
}

double valueTop(const TransitionDiagramContent& c)
{
    if (c.valueCeiling)
        return *c.valueCeiling;
    double top = 0;
    for (const auto& p : c.points)
        top = std::max(top, p.value);
    if (c.curve)
        top = std::max(top, c.curve->upperShelf.value);
    return top > 0 ? top : 10;
}

}

QPointF TransitionLayout::pixelAt(double temperature, double value) const
{
    return {mapToPixels(temperature, temperatureTicks.range, plot.left(), plot.right()),
            mapToPixels(value, valueTicks.range, plot.bottom(), plot.top())};
}

TransitionLayout transitionLayout(const TransitionDiagramContent& content, const QRectF& area, const QFont& font,
                                  QPaintDevice* device)
{
    const QFontMetricsF fm(font, device);
    const double lh = fm.height();
    TransitionLayout l;
    const AxisRange t = temperatureSpan(content);
    l.temperatureTicks = linearTicks(t.low, t.high, 8);
    l.valueTicks = linearTicks(0, valueTop(content), 6);
    // A margin inside the frame, so that no point sits on it (a shear
    // fraction of 100 %, a temperature on the outer tick).
    for (AxisRange* r : {&l.temperatureTicks.range, &l.valueTicks.range}) {
        const double margin = (r->high - r->low) * 0.03;
        r->low -= margin;
        r->high += margin;
    }
    double labelWidth = 0;
    for (double v : l.valueTicks.values)
        labelWidth = std::max(labelWidth, fm.horizontalAdvance(tickText(v, l.valueTicks.step)));
    l.plot = QRectF(QPointF(area.left() + 1.6 * lh + labelWidth, area.top() + 0.8 * lh),
                    QPointF(area.right() - 1.2 * lh, area.bottom() - 2.6 * lh));
    return l;
}

void paintTransitionDiagram(QPainter& p, const QRectF& area, const TransitionDiagramContent& c, const QFont& font)
{
    namespace colours = tk::colours;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setFont(font);
    const TransitionLayout l = transitionLayout(c, area, font, p.device());
    const DiagramPens pens(font, p.device());
    const QRectF plot = l.plot;

    p.fillRect(area, Qt::white);
    p.fillRect(plot, colours::paleYellow);

    const evaluation::TransitionCurve* curve = c.curve ? &*c.curve : nullptr;
    if (curve) {
        const double x0 = std::clamp(l.pixelAt(curve->transitionStart(), 0).x(), plot.left(), plot.right());
        const double x1 = std::clamp(l.pixelAt(curve->transitionEnd(), 0).x(), plot.left(), plot.right());
        QColor band = colours::lightBlue;
        band.setAlpha(110);
        p.fillRect(QRectF(QPointF(x0, plot.top()), QPointF(x1, plot.bottom())), band);
    }

    drawLinearGrid(p, pens, plot, l.temperatureTicks, l.valueTicks);
    drawTickLabelsBelow(p, plot, l.temperatureTicks);
    drawTickLabelsLeft(p, plot, l.valueTicks);
    drawAxisTitles(p, area, plot, Text::tr("Prüftemperatur T in °C"), c.valueTitle);

    p.setClipRect(plot);
    if (curve) {
        // The shelves, dashed across the plot.
        p.setPen(pens.dashed(colours::grey));
        for (double shelf : {curve->lowerShelf.value, curve->upperShelf.value})
            p.drawLine(QPointF(plot.left(), l.pixelAt(0, shelf).y()), QPointF(plot.right(), l.pixelAt(0, shelf).y()));

        // The regions, named at the top of the plot where there is room.
        const double xs = l.pixelAt(curve->transitionStart(), 0).x();
        const double xe = l.pixelAt(curve->transitionEnd(), 0).x();
        const struct {
            double left, right;
            QString text;
        } regions[] = {{plot.left(), xs, Text::tr(" Tieflage ")},
                       {xs, xe, Text::tr(" Übergang ")},
                       {xe, plot.right(), Text::tr(" Hochlage ")}};
        for (const auto& r : regions)
            drawLabelInside(p, pens, QRectF(QPointF(std::max(r.left, plot.left()), plot.top()),
                                            QPointF(std::min(r.right, plot.right()), plot.bottom())),
                            r.text, colours::lightBlue, Qt::black);

        QPolygonF line;
        const int samples = std::max(200, int(plot.width()));
        for (int i = 0; i <= samples; ++i) {
            const double t = l.temperatureTicks.range.low
                + (l.temperatureTicks.range.high - l.temperatureTicks.range.low) * i / samples;
            line << l.pixelAt(t, curve->valueAt(t));
        }
        p.setPen(pens.solid(colours::red, 1.0));
        p.drawPolyline(line);

        // The labels stand at the foot of their marks, each a line above the
        // one before, so that marks close together keep both readable.
        int shown = 0;
        for (const TransitionMark& m : c.marks) {
            if (!m.temperature)
                continue;
            const QPointF at = l.pixelAt(m.temperature->value, m.value);
            p.setPen(pens.dashed(colours::green));
            p.drawPolyline(QPolygonF{{plot.left(), at.y()}, at, {at.x(), plot.bottom()}});
            p.setPen(Qt::NoPen);
            p.setBrush(colours::green);
            p.drawEllipse(at, pens.pointRadius * 0.8, pens.pointRadius * 0.8);
            const QString text = QStringLiteral(" %1 = %2 °C ")
                                     .arg(m.symbol, tickText(std::round(m.temperature->value * 10) / 10, 0.1));
            const QPointF foot(at.x(), plot.bottom() - 1.3 * pens.lineHeight * shown++);
            drawLabelBeside(p, pens, foot, Qt::AlignTop, text, colours::green, Qt::white, plot);
        }
    }

    // The message stands behind the points, so that none is hidden.
    if (!c.curve && !c.curve.undecided())
        drawMessage(p, pens, plot, Text::tr("Keine Übergangskurve"), c.curve.reason());
    else if (c.points.empty())
        drawMessage(p, pens, plot, Text::tr("Noch keine Messwerte"),
                    Text::tr("Die Messwerte in die Tabelle eingeben oder aus einer Datei einlesen."));
    for (const auto& point : c.points)
        drawPoint(p, pens, l.pixelAt(point.temperature, point.value), colours::blue);
    p.setClipping(false);

    p.setPen(pens.solid(Qt::black, 0.5));
    p.setBrush(Qt::NoBrush);
    p.drawRect(plot);

    p.restore();
}

TransitionDiagram::TransitionDiagram(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void TransitionDiagram::setContent(TransitionDiagramContent content)
{
    m_content = std::move(content);
    update();
}

QSize TransitionDiagram::minimumSizeHint() const { return QSize(320, 220); }
QSize TransitionDiagram::sizeHint() const { return QSize(640, 420); }

void TransitionDiagram::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    paintTransitionDiagram(p, rect(), m_content, font());
}

}
