#pragma once

#include "calculator_form.h"

#include <cstdint>

namespace hardness {

// What the Vickers calculator keeps while the program runs, across openings
// of its window.
struct VickersCalculation {
    float testLoad = 0; // kp, as entered
    float force = 0;    // N
    float d1 = 0;       // µm
    float d2 = 0;       // µm
    std::int32_t HVWert = 100;
    std::int32_t accepted = 0; // presses of "Übernehmen" since the last reset
};
extern VickersCalculation vickersCalculation;

}

// The Vickers calculator: test condition and two diagonals give HV; accepted
// values are collected in the list, copied to the clipboard or drawn in the
// chart of hardness values.
class TFormHV : public hardness::CalculatorForm {
    Q_OBJECT
public:
    TFormHV();
    void formCreate() override;

    void EditPruefExit() override;
    void BitBtnRechClick() override;
    void BitBtnUeberClick() override;
    void ButtonDiagrammClick() override;
    void ButtonNeuClick() override;

    tk::Edit* EditViN() const { return countEdit; }

protected:
    void formClose() override;
};

extern TFormHV* FormHV;
