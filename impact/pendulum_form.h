#pragma once

#include "impact/pendulum_scene.h"
#include "toolkit/form.h"

class QAction;

namespace tk {
class Memo;
class PaintBox;
class Timer;
}

// The pendulum impact tester window: the machine whose hammer swings through
// the notched specimen on "&Start", the formula of the impact energy, the
// drawing of the specimen under the striking edge, and a link to the impact
// energy-temperature curve. The window stays usable during the swing; closing
// it stops the swing and leaves a clean scene for the next opening.
class TFormKerbHa : public tk::Form {
    Q_OBJECT
public:
    TFormKerbHa();
    void formCreate() override;

    void PaintBoxHauptPaint();
    void PaintBoxProbePaint();
    void PaintBox3achsigPaint();
    void PaintBoxAvTPaint();
    void PaintBoxAvTClick();
    void StartClick();
    void TimerHammer1Timer();
    void NeuClick();
    void EndeClick();
    void ESCClick();

    // A clean scene, "&Start" available again: the curve window leaves the
    // tester so when it closes.
    void readyForNextSwing();

    const impact::PendulumScene& scene() const { return m_scene; }
    tk::Timer* timerHammer() const { return m_timer; }

protected:
    void formClose() override;

private:
    void resetScene();

    impact::PendulumScene m_scene;
    tk::PaintBox* m_haupt;
    tk::PaintBox* m_probe;
    tk::PaintBox* m_3achsig;
    tk::PaintBox* m_avt;
    tk::Memo* m_memo;
    QAction* m_start;
    QAction* m_neu;
    tk::Timer* m_timer;
};

extern TFormKerbHa* FormKerbHa;
