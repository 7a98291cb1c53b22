#pragma once

#include "toolkit/colours.h"
#include "toolkit/form.h"

class QLabel;
class QMenu;

namespace hardness {
class BarChart;
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

    // The chart, made the first time it is needed (its part is loaded then).
    hardness::BarChart* chart();

    hardness::BarChart* Chart1 = nullptr; // null until then
    QLabel* LabelAb = nullptr;

protected:
    void formClose() override;
    void showEvent(QShowEvent* e) override;
    void clientResized() override;

private:
    // Where the chart stands: the client area above the status bar.
    QRect chartArea() const;

    // The chart's colour, kept for the chart until it is made.
    QColor chartColour = tk::colours::windowGreen;
};

extern TFormHVGraph* FormHVGraph;
