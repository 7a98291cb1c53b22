#pragma once

#include "bar_chart.h"

#include <QChartView>
#include <QColor>
#include <QImage>
#include <QList>
#include <QString>
#include <array>

class QBarCategoryAxis;
class QBarSeries;
class QBarSet;
class QGraphicsItem;
class QValueAxis;

namespace hardness {

// One bar of the hardness chart.
struct HardnessBar {
    int value = 0;
    QString label;
    QColor colour;
};

// The bar chart of hardness values: two series of bars side by side, each
// bar at its index in its series and marked above with its label and value.
// Qt's bar sets carry neither labels nor marks of their own, so the chart
// keeps the bars and draws the marks on top of the plot.
class HardnessChart : public QChartView, public BarChart {
    Q_OBJECT
public:
    HardnessChart(QWidget* parent, const QString& name);

    QWidget* widget() override { return this; }
    void addBar(Series series, int value, const QString& label, const QColor& colour) override;
    void clearBars() override;
    const QList<HardnessBar>& bars(Series series) const { return m_bars[series]; }
    QBarSet* barSet(Series series) const { return m_sets[series]; }

    void setColour(const QColor& colour) override;
    QColor colour() const;

    // Where a bar stands and where its mark is, in view coordinates.
    QRectF barRect(Series series, int index) const;
    QRectF markRect(Series series, int index) const;
    QString markText(Series series, int index) const;

    // The chart as it is shown, and the same put on the clipboard (Ctrl+C in
    // its window, "Bild kopieren" on its context menu).
    QImage picture() override;
    void copyPicture();
    // The chart as lines, shapes and texts too, for saving and printing.
    tk::ExportedDrawing exportedDrawing() override;

protected:
    void resizeEvent(QResizeEvent* e) override;

private:
    struct Mark {
        QGraphicsItem* arrow;
        QGraphicsItem* box;
        QGraphicsItem* text;
    };

    void barsChanged();
    void describeBars();
    void setValueTop(qreal top);
    void layoutMarks();
    bool placeMarks(); // whether all marks found room inside the plot
    Mark makeMark(Series series, const HardnessBar& bar);

    std::array<QList<HardnessBar>, 2> m_bars;
    std::array<QList<Mark>, 2> m_marks;
    std::array<QBarSet*, 2> m_sets{};
    QBarSeries* m_series = nullptr;
    QBarCategoryAxis* m_categoryAxis = nullptr;
    QValueAxis* m_valueAxis = nullptr;
    QGraphicsItem* m_leftWall = nullptr;
    // The value axis the bars need, in round steps; the marks may raise its top.
    struct {
        qreal bottom = 0, top = 100, step = 20;
    } m_valueRange;
    bool m_layingOut = false;
    bool m_plotMoved = false;
};

}
