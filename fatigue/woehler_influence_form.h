#pragma once

#include "woehler_influence_scene.h"

#include "toolkit/form.h"

#include <vector>

class QAction;

namespace tk {
class PaintBox;
class Timer;
}

namespace fatigue {

// The windows that show how one influence changes the Wöhler curve: an
// empty Wöhler diagram, and a menu item per curve that draws it as an
// animation on a timer of its own. The window stays usable while a curve
// grows; closing it stops every curve.
class WoehlerInfluenceForm : public tk::Form {
    Q_OBJECT
public:
    struct CurveItem {
        const char* caption;
        const char* item;
        const char* timer;
        const WoehlerCurve& (*curve)();
    };
    struct Layout {
        const char* className;
        const char* caption;
        const char* title; // of the diagram
        std::vector<CurveItem> items;
        // Whether choosing a curve first wipes the diagram, so only one
        // curve is ever shown, or leaves the curves drawn so far.
        bool itemRepaints;
    };

    explicit WoehlerInfluenceForm(const Layout& layout);

    void Ende1Click();
    void ESC1Click();
    // The handlers of the curve items and their timers, by the curve's
    // place in the menu.
    void CurveItemClick(int curve);
    void CurveTimer(int curve);
    void NeuZeichnen1Click();

    WoehlerInfluenceScene& scene() { return m_scene; }
    tk::PaintBox* paintBoxHaupt() const { return m_paintBoxHaupt; }
    tk::Timer* timer(int curve) const { return m_timers[curve]; }
    QAction* curveItem(int curve) const { return m_items[curve]; }

protected:
    void formClose() override;
    // Size and place of every window of this kind, through its global
    // reference.
    static void place(WoehlerInfluenceForm* window);

private:
    void PaintBoxHauptPaint();

    bool m_itemRepaints;
    WoehlerInfluenceScene m_scene;
    tk::PaintBox* m_paintBoxHaupt;
    std::vector<QAction*> m_items;
    std::vector<tk::Timer*> m_timers;
};

}

// The crystal lattice: body-centred and face-centred cubic.
class TFormDauer2 : public fatigue::WoehlerInfluenceForm {
    Q_OBJECT
public:
    TFormDauer2();
    void formCreate() override;
};

// The environment: initial state and corrosion.
class TFormDauer3 : public fatigue::WoehlerInfluenceForm {
    Q_OBJECT
public:
    TFormDauer3();
    void formCreate() override;
};

// Residual stresses: none, tensile, compressive.
class TFormDauer4 : public fatigue::WoehlerInfluenceForm {
    Q_OBJECT
public:
    TFormDauer4();
    void formCreate() override;
};

extern TFormDauer2* FormDauer2;
extern TFormDauer3* FormDauer3;
extern TFormDauer4* FormDauer4;
