#pragma once

// The chart window's chart as the window uses it. The chart itself
// (hardness_chart.h) is built on Qt Charts and lives in the charts part
// (toolkit/parts.h), which the program loads when the chart window first
// needs its chart.
#include "toolkit/export.h"

#include <QColor>
#include <QImage>
#include <QString>

class QWidget;

namespace hardness {

class BarChart {
public:
    enum Series { Vickers = 0, Brinell = 1 };

    virtual ~BarChart() = default;
    virtual QWidget* widget() = 0;
    virtual void addBar(Series series, int value, const QString& label, const QColor& colour) = 0;
    virtual void clearBars() = 0; // both series
    // Colour around the plot.
    virtual void setColour(const QColor& colour) = 0;
    // The chart as it is shown, and as lines, shapes and texts.
    virtual QImage picture() = 0;
    virtual tk::ExportedDrawing exportedDrawing() = 0;
};

// A chart from the charts part, loaded on the first call; where the part
// cannot be loaded, a stand-in that says why and shows no bars.
BarChart* makeBarChart(QWidget* parent, const QString& name);

}

// The part's entry: a new chart, a child of `parent`.
extern "C" hardness::BarChart* werkstoff_part_charts(QWidget* parent, const QString& name);
