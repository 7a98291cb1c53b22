#pragma once

#include "load_range_scene.h"

#include "toolkit/form.h"

class QPushButton;

namespace tk {
class Edit;
class PaintBox;
class Timer;
}

// The ranges of fatigue loading: the user types a stress amplitude and a
// mean stress, and the window names the range they form and draws the
// stress over time as a growing sine. The window stays usable while the
// curve grows; closing it forgets the load.
class TFormDauer1 : public tk::Form {
    Q_OBJECT
public:
    TFormDauer1();
    void formCreate() override;

    void ButtonStartClick();
    void TimerSchwingTimer();
    void NeuZeichnen1Click();
    void Ende1Click();
    void ESC1Click();

    const fatigue::LoadRangeScene& scene() const { return m_scene; }
    tk::PaintBox* paintBoxHaupt() const { return m_paintBoxHaupt; }
    tk::Edit* editAmpli() const { return m_editAmpli; }
    tk::Edit* editMitte() const { return m_editMitte; }
    QPushButton* buttonStart() const { return m_buttonStart; }
    tk::Timer* timerSchwing() const { return m_timerSchwing; }

protected:
    void formClose() override;

private:
    void PaintBoxHauptPaint();
    void reset();

    fatigue::LoadRangeScene m_scene;
    tk::PaintBox* m_paintBoxHaupt;
    tk::Edit* m_editAmpli;
    tk::Edit* m_editMitte;
    QPushButton* m_buttonStart;
    tk::Timer* m_timerSchwing;
};

extern TFormDauer1* FormDauer1;
