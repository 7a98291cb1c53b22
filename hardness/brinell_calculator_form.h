#pragma once

#include "calculator_form.h"

#include <cstdint>

namespace hardness {

// What the Brinell calculator keeps while the program runs, across openings
// of its window.
struct BrinellCalculation {
    float testLoad = 0;       // kp, as entered
    float force = 0;          // N
    float ballDiameter = 0;   // D in mm
    float indentDiameter = 0; // d in mm
    std::int32_t HBWert = 100;
    std::int32_t accepted = 0; // presses of "Übernehmen" since the last reset
};
extern BrinellCalculation brinellCalculation;

}

// The Brinell calculator: test load, ball diameter and indentation diameter
// give HB; accepted values are collected in the list, copied to the clipboard
// or drawn in the chart of hardness values.
class TFormHB : public hardness::CalculatorForm {
    Q_OBJECT
public:
    TFormHB();
    void formCreate() override;

    void EditPruefExit() override;
    void Edit2Exit();
    void BitBtnRechClick() override;
    void BitBtnUeberClick() override;
    void ButtonDiagrammClick() override;
    void ButtonNeuClick() override;

    tk::Edit* EditBrN() const { return countEdit; }

protected:
    void formClose() override;
};

extern TFormHB* FormHB;
