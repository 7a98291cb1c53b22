#pragma once

#include "standard_specimen_scene.h"

#include "toolkit/form.h"

class QAction;

namespace tk {
class PaintBox;
class Timer;
}

// The stress-strain curve of a steel with a pronounced yield point, grown
// beside the standard specimen that lengthens, necks and breaks. The window
// takes no input while the curve grows; a second run needs the window to be
// closed and opened again.
class TFormZugAnniHoch : public tk::Form {
    Q_OBJECT
public:
    TFormZugAnniHoch();
    void formCreate() override;

    void PaintBoxHauptPaint();
    void PaintBoxAniPaint();
    void StartZugClick();
    void TimerKurveTimer();
    void TimerAniTimer();
    void EndeClick();
    void ESCClick();

    const tensile::StandardSpecimenScene& scene() const { return m_scene; }
    tk::PaintBox* diagram() const { return m_haupt; }
    tk::PaintBox* specimen() const { return m_ani; }
    tk::Timer* timerKurve() const { return m_timerKurve; }
    tk::Timer* timerAni() const { return m_timerAni; }

protected:
    void formClose() override;

private:
    tensile::StandardSpecimenScene m_scene;
    tk::PaintBox* m_haupt;
    tk::PaintBox* m_ani;
    QAction* m_startZug;
    tk::Timer* m_timerKurve;
    tk::Timer* m_timerAni;
};

extern TFormZugAnniHoch* FormZugAnniHoch;
