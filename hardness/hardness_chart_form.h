#pragma once

#include "toolkit/form.h"

class QLabel;
class QMenu;

namespace hardness {
class HardnessChart;
}

// The chart of hardness values: draws the values collected in the Vickers
// and Brinell calculators as bars, or one of two examples (the steel CK45 in
// three conditions, the hardness profile of a case-hardened steel). Every
// closing clears it.
class TFormHVGraph : public tk::Form {
    Q_OBJECT
public:
    TFormHVGraph();
    void formCreate() override;

    void FormPaint();
    void Diagramm1Click();
    void CK45Click();
    void Einsatzstahl1Click();
    void NeuZeichnenClick();
    void Ende1Click();
    void ESC1Click();

    // The background colour command of the title window colours the chart,
    // not the window.
    void chosenBackgroundColour(const QColor& colour) override;
    // Ctrl+C copies the chart.
    QImage copiedPicture() override;
    tk::ExportedDrawing exportedDrawing() override;

    hardness::HardnessChart* Chart1 = nullptr;
    QLabel* LabelAb = nullptr;

protected:
    void formClose() override;
    void showEvent(QShowEvent* e) override;
    void clientResized() override;
};

extern TFormHVGraph* FormHVGraph;
