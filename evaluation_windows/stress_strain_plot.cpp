#include "stress_strain_plot.h"

#include "toolkit/colours.h"

#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <array>
#include <cmath>

namespace evaluation::windows {

namespace {

// A step of 1, 2 or 5 times a power of ten that divides `range` into about
// `parts` intervals.
double niceStep(double range, int parts)
{
    const double raw = range / parts;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (double f : {1.0, 2.0, 5.0, 10.0})
        if (f * power >= raw)
            return f * power;
    return 10 * power;
}

}

QColor specimenColour(size_t index)
{
    static const std::array<QColor, 8> colours{tk::colours::blue,   tk::colours::red,    tk::colours::green,
                                               tk::colours::purple, tk::colours::orange, tk::colours::teal,
                                               tk::colours::olive,  tk::colours::darkRed};
    return colours[index % colours.size()];
}

std::vector<std::pair<double, double>> columnEnvelope(const std::vector<double>& strain,
                                                      const std::vector<double>& stress, double strainRange,
                                                      int columns)
{
    const size_t n = std::min(strain.size(), stress.size());
    std::vector<std::pair<double, double>> points;
    if (n <= size_t(4 * std::max(columns, 1)) || strainRange <= 0) {
        points.reserve(n);
        for (size_t i = 0; i < n; ++i)
            points.emplace_back(strain[i], stress[i]);
        return points;
    }
    points.reserve(size_t(columns) * 8);
    const double perColumn = columns / strainRange;
    size_t i = 0;
    while (i < n) {
        const long column = std::lround(std::floor(strain[i] * perColumn));
        size_t low = i, high = i, last = i;
        size_t j = i + 1;
        for (; j < n && std::lround(std::floor(strain[j] * perColumn)) == column; ++j) {
            if (stress[j] < stress[low])
                low = j;
            if (stress[j] > stress[high])
                high = j;
            last = j;
        }
        // In the order the curve passes them, so no stroke crosses the column.
        std::array<size_t, 4> kept{i, std::min(low, high), std::max(low, high), last};
        size_t previous = n;
        for (size_t k : kept)
            if (k != previous) {
                points.emplace_back(strain[k], stress[k]);
                previous = k;
            }
        i = j;
    }
    return points;
}

StressStrainPlot::StressStrainPlot(QWidget* parent) : QWidget(parent)
{
    setMinimumSize(320, 220);
    setAccessibleName(tr("Spannungs-Dehnungs-Diagramm"));
}

void StressStrainPlot::setCurves(std::vector<PlotCurve> curves)
{
    m_curves = std::move(curves);
    update();
}

void StressStrainPlot::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), palette().window());
    paintDiagram(p, rect());
}

void StressStrainPlot::paintDiagram(QPainter& p, const QRect& area) const
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    const QFontMetrics fm(p.font());
    const int left = area.left() + fm.horizontalAdvance(QStringLiteral("0000")) + fm.height() + 12;
    const int bottom = area.bottom() - 2 * fm.height() - 10;
    const QRect plot(QPoint(left, area.top() + fm.height()), QPoint(area.right() - 16, bottom));
    if (plot.width() < 40 || plot.height() < 40) {
        p.restore();
        return;
    }

    double maxStrain = 0, maxStress = 0;
    for (const PlotCurve& c : m_curves) {
        if (!c.strain || !c.stress)
            continue;
        for (double e : *c.strain)
            maxStrain = std::max(maxStrain, e);
        for (double s : *c.stress)
            maxStress = std::max(maxStress, s);
    }
    if (maxStrain <= 0)
        maxStrain = 10;
    if (maxStress <= 0)
        maxStress = 500;
    const double strainStep = niceStep(maxStrain * 1.05, 8), stressStep = niceStep(maxStress * 1.1, 6);
    const double strainRange = std::ceil(maxStrain * 1.05 / strainStep) * strainStep;
    const double stressRange = std::ceil(maxStress * 1.1 / stressStep) * stressStep;
    const auto toPixel = [&](double e, double s) {
        return QPointF(plot.left() + e / strainRange * plot.width(), plot.bottom() - s / stressRange * plot.height());
    };

    // Plot area and grid, as in the teaching windows' diagrams.
    p.fillRect(plot, tk::colours::paleYellow);
    p.setPen(QPen(tk::colours::silver, 0, Qt::DotLine));
    const QLocale locale;
    for (double e = 0; e <= strainRange + strainStep / 2; e += strainStep) {
        const QPointF at = toPixel(e, 0);
        p.setPen(QPen(tk::colours::silver, 0, Qt::DotLine));
        p.drawLine(QPointF(at.x(), plot.top()), QPointF(at.x(), plot.bottom()));
        p.setPen(Qt::black);
        const QString label = locale.toString(e, 'g', 6);
        p.drawText(QRectF(at.x() - 40, plot.bottom() + 3, 80, fm.height()), Qt::AlignHCenter | Qt::AlignTop, label);
    }
    for (double s = 0; s <= stressRange + stressStep / 2; s += stressStep) {
        const QPointF at = toPixel(0, s);
        p.setPen(QPen(tk::colours::silver, 0, Qt::DotLine));
        p.drawLine(QPointF(plot.left(), at.y()), QPointF(plot.right(), at.y()));
        p.setPen(Qt::black);
        p.drawText(QRectF(area.left(), at.y() - fm.height() / 2.0, left - area.left() - 4, fm.height()),
                   Qt::AlignRight | Qt::AlignVCenter, locale.toString(s, 'g', 6));
    }
    p.setPen(Qt::black);
    p.setBrush(Qt::NoBrush);
    p.drawRect(plot);
    p.drawText(QRect(plot.left(), plot.bottom() + fm.height() + 4, plot.width(), fm.height() + 4), Qt::AlignHCenter,
               tr("Dehnung ε in %"));
    p.save();
    p.translate(area.left() + fm.height() / 2.0 + 2, plot.center().y());
    p.rotate(-90);
    p.drawText(QRect(-plot.height() / 2, -fm.height() / 2, plot.height(), fm.height() + 2), Qt::AlignHCenter,
               tr("Spannung σ in MPa"));
    p.restore();

    // The curves, clipped to the plot area, then their marks.
    p.setClipRect(plot.adjusted(0, -1, 1, 0));
    for (const PlotCurve& c : m_curves) {
        if (!c.strain || !c.stress)
            continue;
        const auto points = columnEnvelope(*c.strain, *c.stress, strainRange, plot.width());
        QPolygonF line;
        line.reserve(qsizetype(points.size()));
        for (const auto& [e, s] : points)
            line << toPixel(e, s);
        p.setPen(QPen(c.colour, 1.5));
        p.drawPolyline(line);
    }
    for (const PlotCurve& c : m_curves)
        for (const PlotMark& m : c.marks) {
            const QPointF at = toPixel(m.strain, m.stress);
            p.setPen(QPen(Qt::black, 1));
            p.setBrush(c.colour);
            p.drawEllipse(at, 3.5, 3.5);
            p.setPen(c.colour.darker(130));
            p.drawText(at + QPointF(5, -5), m.symbol);
        }
    p.setClipping(false);

    // The legend, in the top right corner of the plot.
    int row = 0;
    const int legendWidth = [&] {
        int w = 0;
        for (const PlotCurve& c : m_curves)
            w = std::max(w, fm.horizontalAdvance(c.name));
        return w + 34;
    }();
    if (!m_curves.empty()) {
        const QRect box(plot.right() - legendWidth - 8, plot.top() + 8, legendWidth,
                        int(m_curves.size()) * (fm.height() + 2) + 6);
        p.setPen(tk::colours::grey);
        p.setBrush(Qt::white);
        p.drawRect(box);
        for (const PlotCurve& c : m_curves) {
            const int y = box.top() + 4 + row * (fm.height() + 2) + fm.height() / 2;
            p.setPen(QPen(c.colour, 2));
            p.drawLine(box.left() + 6, y, box.left() + 24, y);
            p.setPen(Qt::black);
            p.drawText(QRect(box.left() + 30, y - fm.height() / 2, legendWidth, fm.height()), Qt::AlignVCenter,
                       c.name);
            ++row;
        }
    }
    p.restore();
}

}
