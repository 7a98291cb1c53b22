#pragma once

#include "vickers_scene.h"

#include "toolkit/form.h"

class QAction;
class QTimer;

namespace tk {
class Memo;
class PaintBox;
}

// The Vickers measurement window: the animated indentation beside an
// explanatory text, and the way to the Vickers calculator.
class TFormVickers : public tk::Form {
    Q_OBJECT
public:
    TFormVickers();
    void formCreate() override;

    // Menu, paint and timer handlers
    void EndeClick();
    void ESCClick();
    void StartDownClick();
    void RechnungClick();
    void Berechnungsgrundlage1Click();
    void PaintBoxHauptPaint();
    void TimerDownTimer();

    VickersScene& scene() { return m_scene; }
    tk::PaintBox* paintBoxHaupt() const { return m_paintBoxHaupt; }
    tk::PaintBox* paintBoxDown() const { return m_paintBoxDown; }
    tk::Memo* memo() const { return m_memo; }
    QTimer* timerDown() const { return m_timerDown; }

    static const QStringList& explanation();

protected:
    void formClose() override;
    void showEvent(QShowEvent* e) override;

private:
    // The timer, the Start item and the window's input follow the scene.
    void applyRunState();

    VickersScene m_scene;
    tk::PaintBox* m_paintBoxHaupt;
    tk::PaintBox* m_paintBoxDown;
    tk::Memo* m_memo;
    QTimer* m_timerDown;
    QAction* m_startDown;
    QAction* m_rechnung;
};

extern TFormVickers* FormVickers;
