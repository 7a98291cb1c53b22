#pragma once

#include "stress_strain_scene.h"

#include "toolkit/form.h"

class QAction;
class QListWidget;

namespace tk {
class Memo;
class PaintBox;
class Timer;
}

// Stress-strain curves of an unalloyed and a high-alloy austenitic steel,
// grown point by point into one diagram, and the characteristic terms of the
// tensile test with their definitions and formulas. While a curve grows the
// window takes no input and cannot be closed.
class TFormZug : public tk::Form {
    Q_OBJECT
public:
    TFormZug();
    void formCreate() override;

    void PaintBoxHauptPaint();
    void PaintBoxBegriffePaint();
    void StartUnClick();
    void StartCrNiClick();
    void NeuClick();
    void EndeClick();
    void ESCClick();
    void TimerUnTimer();
    void TimerCrNiTimer();
    void ListBoxBegriffeClick();

    const tensile::StressStrainScene& scene() const { return m_scene; }
    tk::PaintBox* diagram() const { return m_diagram; }
    tk::PaintBox* termsPanel() const { return m_terms; }
    QListWidget* termList() const { return m_list; }
    tk::Timer* timer(tensile::Steel steel) const
    {
        return steel == tensile::Steel::Unalloyed ? m_timerUn : m_timerCrNi;
    }

protected:
    void formClose() override;

private:
    void startCurve(tensile::Steel steel);
    void curveTick(tensile::Steel steel);

    tensile::StressStrainScene m_scene;
    tk::PaintBox* m_diagram;
    tk::PaintBox* m_terms;
    tk::Memo* m_memo;
    QListWidget* m_list;
    QAction* m_startUn;
    QAction* m_startCrNi;
    QAction* m_neu;
    tk::Timer* m_timerUn;
    tk::Timer* m_timerCrNi;
};

extern TFormZug* FormZug;
