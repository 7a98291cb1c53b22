#pragma once

// The values of a tensile series as the window's table shows them: one row
// per specimen (with its check box), then the mean and the standard
// deviation of the specimens switched on; each value rounded for the report,
// "–" with the reason where it is not determined.
#include "results_table_model.h"

#include "evaluation/tensile_series.h"

namespace evaluation::windows {

// The columns: each value with symbol and unit, its name and definition as
// tooltip; the elongation after fracture under the series' symbol (A80mm).
std::vector<ResultsTableModel::Column> tensileColumns(const TensileSeries& series);
std::vector<ResultsTableModel::Row> tensileRows(const TensileSeries& series);

// The symbol of the elongation after fracture that all specimens share, or
// "A" where they differ.
ElongationSymbol seriesElongationSymbol(const TensileSeries& series);

}
