#pragma once

#include "woehler_recording_scene.h"

#include "toolkit/form.h"

#include <array>

class QAction;
class QMenu;

namespace tk {
class PaintBox;
class Timer;
}

// The recording of a Wöhler line of the aluminium alloy AlMg4,5Mn, soft-
// annealed and shot-peened: each load series draws its stress-time
// oscillation and then its six fracture points in the Wöhler diagram. The
// window stays usable during a run and resets itself whenever it closes.
class TFormDauerWoehler : public tk::Form {
    Q_OBJECT
public:
    TFormDauerWoehler();
    void formCreate() override;

    void Ende1Click();
    void ESC1Click();
    // WeichSp180Click ... KugelSp150Click, by the index of the load series.
    void SeriesItemClick(int series);
    void VollbildClick();
    // WahrscheinW0Click ... WahrscheinK100Click, by the index of the line in
    // drawing order.
    void ProbabilityItemClick(int line);
    void NeuZeichnen1Click();
    void TimerSchwingTimer();

    fatigue::WoehlerRecordingScene& scene() { return m_scene; }
    tk::PaintBox* paintBoxHaupt() const { return m_paintBoxHaupt; }
    tk::PaintBox* paintBoxWoehler() const { return m_paintBoxWoehler; }
    tk::Timer* timerSchwing() const { return m_timerSchwing; }

protected:
    void formClose() override;

private:
    void FormPaint();
    void PaintBoxHauptPaint();
    void PaintBoxWoehlerPaint();
    void reset();

    fatigue::WoehlerRecordingScene m_scene;
    tk::PaintBox* m_paintBoxHaupt;
    tk::PaintBox* m_paintBoxWoehler;
    tk::Timer* m_timerSchwing;
    QMenu* m_softMenu;
    QMenu* m_shotMenu;
    QAction* m_fullScreenItem;
    QMenu* m_probabilityMenu;
    std::array<QAction*, 10> m_seriesItems{};
    std::array<QAction*, 6> m_probabilityItems{};
};

extern TFormDauerWoehler* FormDauerWoehler;
