#pragma once

// The PDF report of a tensile series: the specimens' data, the table of
// values with mean and standard deviation, the notes on values missing or
// not meeting the standard, and the stress–strain diagram.
#include "evaluation/tensile_series.h"

#include <QString>

namespace evaluation::windows {

class StressStrainPlot;

// Writes the report to `path`; returns the error message, empty on success.
QString writeTensileReport(const QString& path, const TensileSeries& series, const StressStrainPlot& diagram);

}
