#pragma once

#include "common/test_main.h"
#include "hardness/brinell_calculator_form.h"
#include "hardness/collected_values.h"
#include "hardness/hardness_chart_form.h"
#include "hardness/vickers_calculator_form.h"

// Fresh calculators and chart for each test of them, with the numbers the
// program keeps between openings back at their start values.
namespace calculatorwindows {

inline void create()
{
    hardness::vickersCalculation = {};
    hardness::brinellCalculation = {};
    hardness::AnzahlHV = 0;
    hardness::AnzahlHB = 0;
    FormHV = new TFormHV;
    FormHV->formCreate();
    FormHB = new TFormHB;
    FormHB->formCreate();
    FormHVGraph = new TFormHVGraph;
    FormHVGraph->formCreate();
    testsupport::clearErrors();
}

inline void destroy()
{
    delete FormHVGraph;
    delete FormHB;
    delete FormHV;
    FormHVGraph = nullptr;
    FormHB = nullptr;
    FormHV = nullptr;
}

}
