#pragma once

#include "bending_machine_scene.h"

#include "toolkit/form.h"

namespace tk {
class PaintBox;
class Timer;
}

// The alternating bending machine, schematic: "Start" sets the double
// eccentric turning, "Stopp" freezes the mechanism where it stands, "Neu
// Starten" stops it and draws it at rest. It turns until stopped or closed.
class TFormDauerWBM : public tk::Form {
    Q_OBJECT
public:
    TFormDauerWBM();
    void formCreate() override;

    void Start1Click();
    void Stopp1Click();
    void NeuStarten1Click();
    void TimerRotTimer();
    void Ende1Click();
    void ESC1Click();

    const fatigue::BendingMachineScene& scene() const { return m_scene; }
    tk::PaintBox* paintBoxHaupt() const { return m_paintBoxHaupt; }
    tk::Timer* timerRot() const { return m_timerRot; }

protected:
    void formClose() override;
    void clientResized() override;

private:
    void PaintBoxHauptPaint();

    fatigue::BendingMachineScene m_scene;
    tk::PaintBox* m_paintBoxHaupt;
    tk::Timer* m_timerRot;
};

extern TFormDauerWBM* FormDauerWBM;
