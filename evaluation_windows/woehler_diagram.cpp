#include "woehler_diagram.h"

#include "diagram_drawing.h"
#include "toolkit/colours.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace evaluation::windows {

namespace {

// The texts of this file, in their translation context.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(WoehlerDiagram)
};

// How far right of its point a run-out's arrow reaches, in decades of N; the
// axis leaves room for it.
constexpr double runOutReach = 0.6;

// The values 2 to 9 of a decade, for the fine grid.
constexpr int decadeValues[] = {2, 3, 4, 5, 6, 7, 8, 9};

const evaluation::StaircaseResult* enduranceLimit(const WoehlerDiagramContent& c)
{
    return c.evaluation.staircase ? &*c.evaluation.staircase : nullptr;
}

}

QPointF WoehlerLayout::pixelAt(double n, double stressAmplitude) const
{
    return {mapToPixels(std::log10(n), cycles.logRange(), plot.left(), plot.right()),
            mapToPixels(std::log10(stressAmplitude), stress.logRange, plot.bottom(), plot.top())};
}

std::optional<WoehlerLineSpan> woehlerLineSpan(const WoehlerDiagramContent& c)
{
    if (!c.evaluation.finiteLife)
        return std::nullopt;
    WoehlerLineSpan span{0, INFINITY};
    for (const auto& s : c.specimens)
        if (evaluation::entersFiniteLifeLine(s)) {
            span.upperStress = std::max(span.upperStress, s.stressAmplitude);
            span.lowerStress = std::min(span.lowerStress, s.stressAmplitude);
        }
    if (!(span.upperStress > 0) || !std::isfinite(span.lowerStress))
        return std::nullopt;
    if (const auto* limit = enduranceLimit(c); limit && limit->mean < span.upperStress)
        span.lowerStress = limit->mean;
    return span;
}

WoehlerLayout woehlerLayout(const WoehlerDiagramContent& c, const QRectF& area, const QFont& font,
                            QPaintDevice* device)
{
    double nLow = INFINITY, nHigh = 0, sLow = INFINITY, sHigh = 0;
    auto include = [&](double n, double s) {
        if (n > 0 && std::isfinite(n)) {
            nLow = std::min(nLow, n);
            nHigh = std::max(nHigh, n);
        }
        if (s > 0 && std::isfinite(s)) {
            sLow = std::min(sLow, s);
            sHigh = std::max(sHigh, s);
        }
    };
    for (const auto& s : c.specimens)
        include(s.runOut ? s.cycles * std::pow(10.0, runOutReach) : s.cycles, s.stressAmplitude);
    if (const auto span = woehlerLineSpan(c))
        for (double p : {0.1, 0.9})
            for (double s : {span->upperStress, span->lowerStress})
                include(c.evaluation.finiteLife->cyclesAt(s, p), s);
    if (const auto* limit = enduranceLimit(c))
        include(0, limit->mean);

    WoehlerLayout l;
    l.cycles = std::isfinite(nLow) ? decadeAxis(nLow, nHigh, 3) : decadeAxis(1e4, 1e7, 3);
    l.stress = std::isfinite(sLow) ? logTicks(sLow, sHigh, 6) : logTicks(100, 500, 6);

    const QFontMetricsF fm(font, device);
    const double lh = fm.height();
    double labelWidth = 0;
    for (double v : l.stress.values)
        labelWidth = std::max(labelWidth, fm.horizontalAdvance(tickText(v, 1)));
    l.plot = QRectF(QPointF(area.left() + 1.6 * lh + labelWidth, area.top() + 0.8 * lh),
                    QPointF(area.right() - 1.9 * lh, area.bottom() - 2.9 * lh));
    return l;
}

namespace {

// "10" with the exponent raised and smaller, centred below x.
void drawPowerOfTen(QPainter& p, double x, double top, int exponent)
{
    const QFont base = p.font();
    QFont small = base;
    if (base.pointSizeF() > 0)
        small.setPointSizeF(base.pointSizeF() * 0.75);
    else
        small.setPixelSize(std::max(1, base.pixelSize() * 3 / 4));
    const QFontMetricsF fm(base, p.device()), sm(small, p.device());
    const QString e = QString::number(exponent);
    const double w = fm.horizontalAdvance(QStringLiteral("10")) + sm.horizontalAdvance(e);
    const double baseLine = top + 0.35 * fm.height() + fm.ascent();
    p.drawText(QPointF(x - w / 2, baseLine), QStringLiteral("10"));
    p.setFont(small);
    p.drawText(QPointF(x - w / 2 + fm.horizontalAdvance(QStringLiteral("10")), baseLine - 0.45 * fm.ascent()), e);
    p.setFont(base);
}

void drawGrid(QPainter& p, const DiagramPens& pens, const WoehlerLayout& l)
{
    const QRectF& plot = l.plot;
    p.setPen(QPen(tk::colours::silver, std::max(1.0, pens.lineWidth * 0.4)));
    for (int e = l.cycles.firstExponent; e < l.cycles.lastExponent; ++e)
        for (int v : decadeValues) {
            const double x = l.pixelAt(v * std::pow(10.0, e), 1).x();
            p.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
        }
    for (double v : l.stress.values) {
        const double y = l.pixelAt(1, v).y();
        if (y > plot.top() + 0.5 && y < plot.bottom() - 0.5)
            p.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
    }
    p.setPen(QPen(tk::colours::grey, std::max(1.0, pens.lineWidth * 0.5)));
    for (int e = l.cycles.firstExponent + 1; e < l.cycles.lastExponent; ++e) {
        const double x = l.pixelAt(std::pow(10.0, e), 1).x();
        p.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
    }

    const QFontMetricsF fm(p.font(), p.device());
    p.setPen(Qt::black);
    for (int e = l.cycles.firstExponent; e <= l.cycles.lastExponent; ++e)
        drawPowerOfTen(p, l.pixelAt(std::pow(10.0, e), 1).x(), plot.bottom(), e);
    const double step = l.stress.values.size() > 1 ? l.stress.values[1] - l.stress.values[0] : 1;
    for (double v : l.stress.values) {
        const double y = l.pixelAt(1, v).y();
        if (y < plot.top() - 0.5 || y > plot.bottom() + 0.5)
            continue;
        const QString text = tickText(v, step);
        p.drawText(QRectF(plot.left() - fm.horizontalAdvance(text) - 0.4 * fm.height(), y - fm.height() / 2,
                          fm.horizontalAdvance(text), fm.height()),
                   Qt::AlignRight | Qt::AlignVCenter, text);
    }
}

// A run-out: a ring at its point and an arrow to the right, towards the
// cycles it would have reached.
void drawRunOut(QPainter& p, const DiagramPens& pens, const QPointF& at, const QColor& colour)
{
    const double r = pens.pointRadius;
    const double length = 2.2 * pens.lineHeight;
    p.setPen(pens.solid(colour, 0.7));
    p.drawLine(QPointF(at.x() + r, at.y()), QPointF(at.x() + length, at.y()));
    p.setBrush(colour);
    const double head = 0.9 * r;
    p.drawPolygon(QPolygonF{{at.x() + length + head, at.y()},
                            {at.x() + length - head, at.y() - head},
                            {at.x() + length - head, at.y() + head}});
    p.setPen(QPen(colour, std::max(1.0, pens.lineWidth * 0.7)));
    p.setBrush(Qt::white);
    p.drawEllipse(at, r, r);
}

void drawLegend(QPainter& p, const DiagramPens& pens, const QRectF& plot)
{
    const QFontMetricsF fm(p.font(), p.device());
    const QString entries[] = {Text::tr("Bruch"), Text::tr("Durchläufer"), Text::tr("Treppenstufenfolge")};
    const double lh = pens.lineHeight;
    double textWidth = 0;
    for (const QString& e : entries)
        textWidth = std::max(textWidth, fm.horizontalAdvance(e));
    const QRectF box(plot.right() - textWidth - 5.2 * lh, plot.top() + 0.4 * lh, textWidth + 4.8 * lh, 3.4 * lh);
    p.setPen(QPen(tk::colours::grey, 1));
    p.setBrush(Qt::white);
    p.drawRect(box);
    for (int i = 0; i < 3; ++i) {
        const QPointF mark(box.left() + 0.9 * lh, box.top() + (0.7 + i) * lh);
        if (i == 1)
            drawRunOut(p, pens, mark, tk::colours::red);
        else
            drawPoint(p, pens, mark, i == 0 ? tk::colours::red : tk::colours::blue);
        p.setPen(Qt::black);
        p.drawText(QRectF(box.left() + 4.2 * lh, mark.y() - lh / 2, textWidth, lh), Qt::AlignVCenter, entries[i]);
    }
}

}

void paintWoehlerDiagram(QPainter& p, const QRectF& area, const WoehlerDiagramContent& c, const QFont& font)
{
    namespace colours = tk::colours;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setFont(font);
    const WoehlerLayout l = woehlerLayout(c, area, font, p.device());
    const DiagramPens pens(font, p.device());
    const QRectF plot = l.plot;
    const QFontMetricsF fm(font, p.device());

    p.fillRect(area, Qt::white);
    drawGrid(p, pens, l);
    p.setPen(Qt::black);
    p.drawText(QRectF(plot.left(), plot.bottom() + 1.6 * fm.height(), plot.width(), fm.height()),
               Qt::AlignHCenter | Qt::AlignTop, Text::tr("Schwingspielzahl N"));
    drawAxisTitles(p, area, plot, QString(), Text::tr("Spannungsamplitude σa in MPa"));

    p.setClipRect(plot);
    const auto& line = c.evaluation.finiteLife;
    const auto* limit = enduranceLimit(c);
    if (const auto span = woehlerLineSpan(c)) {
        // The labels at the upper ends: the 10 % line's left of it, the
        // 90 % line's right of it and the 50 % line's above it, so that the
        // three never cover each other.
        const struct {
            double probability;
            QString label;
            Qt::Alignment side;
        } lines[] = {{0.1, Text::tr(" P = 10% "), Qt::AlignLeft},
                     {0.5, Text::tr(" P = 50% "), Qt::AlignTop},
                     {0.9, Text::tr(" P = 90% "), Qt::AlignRight}};
        QFont small = font;
        if (font.pointSizeF() > 0)
            small.setPointSizeF(font.pointSizeF() * 0.85);
        else
            small.setPixelSize(std::max(1, font.pixelSize() * 85 / 100));
        for (const auto& pl : lines) {
            const QPointF top = l.pixelAt(line->cyclesAt(span->upperStress, pl.probability), span->upperStress);
            const QPointF bottom = l.pixelAt(line->cyclesAt(span->lowerStress, pl.probability), span->lowerStress);
            p.setPen(pl.probability == 0.5 ? pens.solid(colours::red) : pens.dashed(colours::red));
            p.drawLine(top, bottom);
            p.setFont(small);
            drawLabelBeside(p, pens, top, pl.side, pl.label, colours::red, Qt::white, plot);
            p.setFont(font);
        }
    }
    if (limit) {
        const auto& knee = c.evaluation.knee;
        const double from = knee ? knee->cycles : std::pow(10.0, l.cycles.logRange().low);
        const QPointF start = l.pixelAt(from, limit->mean);
        p.setPen(pens.solid(colours::blue));
        p.drawLine(start, QPointF(plot.right(), start.y()));
        const QString text = QStringLiteral(" σD = %1 MPa ").arg(tickText(std::round(limit->mean * 10) / 10, 0.1));
        drawLabelBeside(p, pens, QPointF(plot.right() - fm.horizontalAdvance(text) / 2 - 0.3 * fm.height(), start.y()),
                        Qt::AlignTop, text, colours::blue, Qt::white, plot);
        if (knee) {
            p.setPen(pens.solid(colours::blue, 0.8));
            p.setBrush(Qt::white);
            const double r = 1.6 * pens.pointRadius;
            p.drawPolygon(QPolygonF{{start.x(), start.y() - r}, {start.x() + r, start.y()},
                                    {start.x(), start.y() + r}, {start.x() - r, start.y()}});
        }
    }

    // The message stands behind the points, so that none is hidden.
    if (c.specimens.empty())
        drawMessage(p, pens, plot, Text::tr("Noch keine Versuchsergebnisse"),
                    Text::tr("Die Ergebnisse in die Tabelle eingeben oder aus einer Datei einlesen."));
    else if (!line && !line.undecided())
        drawMessage(p, pens, plot, Text::tr("Keine Wöhlerlinie"), line.reason());
    for (const auto& s : c.specimens) {
        if (!(s.cycles > 0) || !(s.stressAmplitude > 0))
            continue;
        const QColor colour = s.staircase ? colours::blue : colours::red;
        const QPointF at = l.pixelAt(s.cycles, s.stressAmplitude);
        if (s.runOut)
            drawRunOut(p, pens, at, colour);
        else
            drawPoint(p, pens, at, colour);
    }
    if (!c.specimens.empty())
        drawLegend(p, pens, plot);
    p.setClipping(false);
    p.setPen(QPen(Qt::black, std::max(1.0, pens.lineWidth * 0.5)));
    p.setBrush(Qt::NoBrush);
    p.drawRect(plot);

    p.restore();
}

WoehlerDiagram::WoehlerDiagram(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void WoehlerDiagram::setContent(WoehlerDiagramContent content)
{
    m_content = std::move(content);
    update();
}

QSize WoehlerDiagram::minimumSizeHint() const { return QSize(360, 240); }
QSize WoehlerDiagram::sizeHint() const { return QSize(680, 440); }

void WoehlerDiagram::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    paintWoehlerDiagram(p, rect(), m_content, font());
}

}
