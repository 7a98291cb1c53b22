#include "hardness_chart.h"

#include "toolkit/clipboard.h"
#include "toolkit/colours.h"
#include "toolkit/export.h"
#include "toolkit/fonts.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QGraphicsLayout>
#include <QGraphicsRectItem>
#include <QGraphicsSimpleTextItem>
#include <QLegend>
#include <QLinearGradient>
#include <QScopedValueRollback>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

namespace hardness {

namespace {

constexpr qreal arrowLength = 20;
constexpr qreal barWidth = 0.8; // of a category; the rest is the gap between categories
constexpr int legendWidth = 96;
constexpr qreal wallWidth = 6;

QFont arial(int charHeight) { return tk::qtFont(tk::Font::character(QStringLiteral("Arial"), charHeight)); }

// Bars are shaded across their width, as if lit from the left.
QBrush barBrush(const QColor& colour)
{
    QLinearGradient g(0, 0, 1, 0);
    g.setCoordinateMode(QGradient::ObjectBoundingMode);
    g.setColorAt(0, colour.lighter(175));
    g.setColorAt(0.45, colour);
    g.setColorAt(1, colour.darker(160));
    return QBrush(g);
}

// The smallest of 1, 2, 2.5 and 5 times a power of ten that is at least
// the rough step.
qreal niceStep(qreal rough)
{
    const qreal power = std::pow(10.0, std::floor(std::log10(rough)));
    for (qreal factor : {1.0, 2.0, 2.5, 5.0})
        if (factor * power >= rough)
            return factor * power;
    return 10 * power;
}

}

// The view is given its chart at construction: QChartView(parent) would make a
// default chart that setChart() later drops without deleting.
HardnessChart::HardnessChart(QWidget* parent, const QString& name) : QChartView(new QChart, parent)
{
    setObjectName(name);
    setFrameShape(QFrame::NoFrame);
    setRenderHint(QPainter::Antialiasing);

    QChart* c = chart();
    c->setAnimationOptions(QChart::NoAnimation);
    c->setDropShadowEnabled(false);
    c->setBackgroundRoundness(0);
    c->layout()->setContentsMargins(0, 0, 0, 0);
    //: Title of the hardness chart, room for about 35 characters
    c->setTitle(tr("Brinell- und/oder Vickerswerte"));
    c->setTitleFont(arial(20));
    c->setTitleBrush(Qt::black);
    c->setPlotAreaBackgroundBrush(Qt::white);
    c->setPlotAreaBackgroundVisible(true);

    m_series = new QBarSeries;
    m_series->setBarWidth(barWidth);
    const struct {
        const char* title;
        QColor colour;
    } sets[] = {{"Vickers", tk::colours::blue}, {"Brinell", tk::colours::red}};
    for (int s = 0; s < 2; ++s) {
        m_sets[s] = new QBarSet(QString::fromLatin1(sets[s].title));
        m_sets[s]->setBrush(barBrush(sets[s].colour));
        m_sets[s]->setPen(QPen(sets[s].colour.darker(200), 1));
        m_series->append(m_sets[s]);
    }
    c->addSeries(m_series);

    m_categoryAxis = new QBarCategoryAxis;
    m_categoryAxis->setLabelsVisible(false);
    m_categoryAxis->setGridLineVisible(false);
    c->addAxis(m_categoryAxis, Qt::AlignBottom);
    m_series->attachAxis(m_categoryAxis);

    m_valueAxis = new QValueAxis;
    //: Title of the chart's value axis
    m_valueAxis->setTitleText(tr("Härte"));
    m_valueAxis->setTitleFont(arial(20));
    m_valueAxis->setTitleBrush(Qt::black);
    m_valueAxis->setLabelsFont(arial(20));
    m_valueAxis->setLabelsBrush(Qt::black);
    m_valueAxis->setLabelFormat(QStringLiteral("%i"));
    c->addAxis(m_valueAxis, Qt::AlignLeft);
    m_series->attachAxis(m_valueAxis);

    QLegend* legend = c->legend();
    legend->setAlignment(Qt::AlignRight);
    legend->setBackgroundVisible(true);
    legend->setBrush(Qt::white);
    legend->setPen(QPen(Qt::black));
    legend->setLabelColor(Qt::black);
    // A compact box at the top right beside the plot, not a full-height column.
    legend->detachFromChart();
    legend->setAlignment(Qt::AlignRight);
    // The bottom margin keeps the plot clear of a caption below it.
    c->setMargins(QMargins(4, 4, legendWidth + 16, 34));

    auto* wall = new QGraphicsRectItem(c);
    wall->setBrush(tk::colours::silver);
    wall->setPen(QPen(tk::colours::grey));
    m_leftWall = wall;

    setColour(tk::colours::windowGreen);
    connect(c, &QChart::plotAreaChanged, this, &HardnessChart::layoutMarks);
    tk::offerCopy(this, [this] { return picture(); });
    tk::offerExport(this, [this] { return exportedDrawing(); });
    setAccessibleName(c->title());
    barsChanged();
}

void HardnessChart::setColour(const QColor& colour)
{
    chart()->setBackgroundBrush(colour);
    setBackgroundBrush(colour);
}

QColor HardnessChart::colour() const { return chart()->backgroundBrush().color(); }

void HardnessChart::addBar(Series series, int value, const QString& label, const QColor& colour)
{
    m_bars[series].append({value, label, colour});
    m_sets[series]->append(value);
    m_marks[series].append(makeMark(series, m_bars[series].last()));
    barsChanged();
}

void HardnessChart::clearBars()
{
    for (int s = 0; s < 2; ++s) {
        for (const Mark& m : std::as_const(m_marks[s])) {
            delete m.arrow;
            delete m.box; // owns the text
        }
        m_marks[s].clear();
        m_bars[s].clear();
        m_sets[s]->remove(0, m_sets[s]->count());
    }
    barsChanged();
}

QImage HardnessChart::picture() { return grab().toImage(); }

void HardnessChart::copyPicture() { tk::copyImage(picture()); }

tk::ExportedDrawing HardnessChart::exportedDrawing()
{
    return tk::recordedDrawing(window()->windowTitle(), picture(),
                               [this](QPainter& p) { render(&p, QRectF(QPointF(0, 0), size()), rect()); });
}

void HardnessChart::describeBars()
{
    // A screen reader hears the bars from left to right, as they stand.
    QStringList bars;
    const qsizetype count = std::max(m_bars[Vickers].size(), m_bars[Brinell].size());
    for (qsizetype i = 0; i < count; ++i)
        for (Series s : {Vickers, Brinell})
            if (i < m_bars[s].size())
                bars << tr("%1, %2: %3")
                            .arg(m_sets[s]->label(), m_bars[s].at(i).label)
                            .arg(m_bars[s].at(i).value);
    setAccessibleDescription(bars.isEmpty() ? tr("Keine Werte eingetragen") : bars.join(QStringLiteral("; ")));
}

QString HardnessChart::markText(Series series, int index) const
{
    const HardnessBar& bar = m_bars[series].at(index);
    return bar.label + QChar(' ') + QString::number(bar.value);
}

HardnessChart::Mark HardnessChart::makeMark(Series series, const HardnessBar& bar)
{
    auto* arrow = new QGraphicsLineItem(chart());
    arrow->setPen(QPen(bar.colour, 1));
    auto* box = new QGraphicsRectItem(chart());
    // The Vickers marks are see-through, the Brinell marks stand on a filled box.
    if (series == Vickers) {
        box->setBrush(Qt::NoBrush);
        box->setPen(Qt::NoPen);
    } else {
        box->setBrush(tk::colours::tooltipYellow);
        box->setPen(QPen(Qt::black));
    }
    auto* text = new QGraphicsSimpleTextItem(bar.label + QChar(' ') + QString::number(bar.value), box);
    text->setFont(tk::qtFont(tk::Font::cell(QStringLiteral("Arial"), 13)));
    text->setBrush(Qt::black);
    for (QGraphicsItem* item : {static_cast<QGraphicsItem*>(arrow), static_cast<QGraphicsItem*>(box)})
        item->setZValue(10);
    return {arrow, box, text};
}

void HardnessChart::barsChanged()
{
    const qsizetype count = std::max(m_bars[Vickers].size(), m_bars[Brinell].size());
    QStringList categories;
    for (qsizetype i = 0; i < count; ++i)
        categories << QString::number(i + 1);
    // With no categories the axis keeps the ticks it last laid out (an
    // empty range lays out nothing); the empty chart shows neither ticks nor
    // axis line, as when it opened.
    m_categoryAxis->setCategories(categories);
    m_categoryAxis->setLineVisible(!categories.isEmpty());

    int low = 0;
    int high = 0;
    for (const auto& bars : m_bars)
        for (const HardnessBar& b : bars) {
            low = std::min(low, b.value);
            high = std::max(high, b.value);
        }
    // Room above the bars for their marks, in round steps.
    // In floating point: the values may span the whole integer range.
    const qreal span = std::max(100.0, (qreal(high) - qreal(low)) * 1.2);
    const qreal step = niceStep(span / 5);
    m_valueRange.step = step;
    m_valueRange.bottom = std::floor(low * 1.2 / step) * step;
    m_valueRange.top = std::max(step, std::ceil(high * 1.2 / step) * step);
    layoutMarks();
    describeBars();
}

void HardnessChart::setValueTop(qreal top)
{
    m_valueAxis->setRange(m_valueRange.bottom, top);
    m_valueAxis->setTickCount(int(std::lround((top - m_valueRange.bottom) / m_valueRange.step)) + 1);
}

QRectF HardnessChart::barRect(Series series, int index) const
{
    // Qt places the bars of one category side by side, in the order of the
    // sets, across barWidth of the category's unit width.
    const qreal width = m_series->barWidth() / m_sets.size();
    const qreal left = index - m_series->barWidth() / 2 + int(series) * width;
    const QPointF top = chart()->mapToPosition(QPointF(left, m_bars[series].at(index).value), m_series);
    const QPointF bottom = chart()->mapToPosition(QPointF(left + width, 0), m_series);
    return chart()->mapRectToScene(QRectF(top, bottom).normalized());
}

QRectF HardnessChart::markRect(Series series, int index) const
{
    return m_marks[series].at(index).box->sceneBoundingRect();
}

void HardnessChart::layoutMarks()
{
    // Raising the value axis may change the width of its labels and so lay
    // the chart out again, at once: the marks are then laid out once more.
    if (m_layingOut) {
        m_plotMoved = true;
        return;
    }
    const QScopedValueRollback<bool> layingOut(m_layingOut, true);
    for (int pass = 0; pass < 3; ++pass) {
        m_plotMoved = false;
        const QRectF plot = chart()->plotArea();
        static_cast<QGraphicsRectItem*>(m_leftWall)->setRect(plot.left(), plot.top(), wallWidth, plot.height());
        chart()->legend()->setGeometry(QRectF(plot.right() + 10, plot.top(), legendWidth, 80));

        // Where the marks would climb out of the plot into the title, the
        // value axis grows a step at a time to make room for them, up to
        // twice the range the values need; beyond that the marks stay inside
        // the plot, over each other.
        const int steps = int(std::lround((m_valueRange.top - m_valueRange.bottom) / m_valueRange.step));
        for (int raised = 0;; ++raised) {
            setValueTop(m_valueRange.top + raised * m_valueRange.step);
            if (placeMarks() || raised == steps)
                break;
        }
        if (!m_plotMoved)
            break;
    }
}

bool HardnessChart::placeMarks()
{
    // Marks stay inside the plot: beside it stand the axis labels and the
    // legend, above it the title.
    // The boxes' outlines reach half a pixel beyond them.
    const QRectF plot = chart()->plotArea().adjusted(wallWidth + 1, 1, -1, 0);
    bool allInside = true;

    // Left to right; a mark that would cover one already placed goes above it,
    // on a longer arrow.
    QList<QRectF> placed;
    const qsizetype count = std::max(m_bars[Vickers].size(), m_bars[Brinell].size());
    for (qsizetype i = 0; i < count; ++i) {
        for (Series s : {Vickers, Brinell}) {
            if (i >= m_bars[s].size())
                continue;
            const Mark& mark = m_marks[s].at(i);
            const QRectF bar = chart()->mapRectFromScene(barRect(s, int(i)));
            const QPointF foot(bar.center().x(), bar.top());
            const QRectF textRect = mark.text->boundingRect();
            QRectF box(0, 0, textRect.width() + 6, textRect.height() + 2);
            box.moveCenter(QPointF(foot.x(), 0));
            box.moveLeft(std::max(plot.left(), std::min(box.left(), plot.right() - box.width())));
            box.moveBottom(foot.y() - arrowLength);
            for (bool moved = true; moved;) {
                moved = false;
                // Outlines reach half a pixel beyond the boxes, so boxes
                // less than a pixel apart touch.
                for (const QRectF& other : std::as_const(placed))
                    if (box.intersects(other.adjusted(-1, -1, 1, 1))) {
                        box.moveBottom(other.top() - 2);
                        moved = true;
                    }
            }
            if (box.top() < plot.top()) {
                allInside = false;
                box.moveTop(plot.top());
            }
            placed << box;
            auto* rectItem = static_cast<QGraphicsRectItem*>(mark.box);
            rectItem->setRect(0, 0, box.width(), box.height());
            rectItem->setPos(box.topLeft());
            mark.text->setPos(3, 1);
            static_cast<QGraphicsLineItem*>(mark.arrow)->setLine(QLineF(foot, QPointF(foot.x(), box.bottom())));
        }
    }
    return allInside;
}

void HardnessChart::resizeEvent(QResizeEvent* e)
{
    QChartView::resizeEvent(e);
    layoutMarks();
}

}

hardness::BarChart* werkstoff_part_charts(QWidget* parent, const QString& name)
{
    return new hardness::HardnessChart(parent, name);
}
