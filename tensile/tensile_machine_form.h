#pragma once

#include "tensile_machine_scene.h"

#include "toolkit/form.h"

class QAction;

namespace tk {
class Memo;
class PaintBox;
class Timer;
}

// The schematic tensile testing machine with its explanation: "&Start
// bewegliches Querhaupt" lets the crosshead grip the specimen and pull it
// until it breaks. The window takes no input until the specimen has broken.
class TFormZugma : public tk::Form {
    Q_OBJECT
public:
    TFormZugma();
    void formCreate() override;

    void PaintBoxHauptPaint();
    void StartClick();
    void TimerBewTimer();
    void NeuClick();
    void EndeClick();
    void ESCClick();

    const tensile::TensileMachineScene& scene() const { return m_scene; }
    tk::PaintBox* machine() const { return m_haupt; }
    tk::Timer* timerBew() const { return m_timer; }

protected:
    void formClose() override;

private:
    tensile::TensileMachineScene m_scene;
    tk::PaintBox* m_haupt;
    tk::PaintBox* m_bew;
    tk::Memo* m_memo;
    QAction* m_start;
    QAction* m_neu;
    tk::Timer* m_timer;
};

extern TFormZugma* FormZugma;
