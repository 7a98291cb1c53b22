// The hardness calculators and the chart of hardness values: one
// calculation, one repaint of the load table, one example drawn in the chart.
#include "bench.h"

#include "hardness/hardness_formulas.h"
#include "hardness/vickers_calculator_form.h"
#include "hardness/hardness_chart_form.h"

#include "toolkit/paintbox.h"

namespace {

TFormHV* calculator()
{
    static TFormHV* form = new TFormHV;
    return form;
}

TFormHVGraph* chartWindow()
{
    static TFormHVGraph* form = [] {
        auto* f = new TFormHVGraph;
        FormHVGraph = f;
        f->formCreate();
        return f;
    }();
    return form;
}

}

BENCHMARK(hardnessFormulas, "hardness: HV and HB of one measurement", {
    volatile float d = 300;
    for (int i = 0; i < repetitions; ++i) {
        hardness::vickersHardness(hardness::testForce(10), d, d + 2);
        hardness::brinellHardness(hardness::testForce(3000), 10, d / 75);
    }
})

BENCHMARK(hardnessLoadTable, "hardness: load table repaint", {
    tk::PaintBox* box = calculator()->PaintBoxStahl;
    for (int i = 0; i < repetitions; ++i)
        box->repaintNow();
})

BENCHMARK(hardnessChartExample, "hardness: chart example CK45", {
    TFormHVGraph* f = chartWindow();
    for (int i = 0; i < repetitions; ++i)
        f->CK45Click();
})
