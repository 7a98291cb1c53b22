#pragma once

#include "toolkit/form.h"

namespace tk {
class PaintBox;
}

// The quantities that influence the fatigue strength of components, as a
// tree: four groups on the left, each joined by lines to its factors on the
// right. A static window.
class TFormDauerEinfluss : public tk::Form {
    Q_OBJECT
public:
    TFormDauerEinfluss();
    void formCreate() override;

    void Ende1Click();
    void ESC1Click();

    tk::PaintBox* paintBoxHaupt() const { return m_paintBoxHaupt; }

private:
    void PaintBoxHauptPaint();

    tk::PaintBox* m_paintBoxHaupt;
};

extern TFormDauerEinfluss* FormDauerEinfluss;
