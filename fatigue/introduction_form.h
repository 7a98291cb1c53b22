#pragma once

#include "toolkit/form.h"

namespace tk {
class PaintBox;
}

// The introduction to fatigue and the fatigue test: a text on a light-yellow
// sheet. A static window.
class TFormDauerTExt : public tk::Form {
    Q_OBJECT
public:
    TFormDauerTExt();
    void formCreate() override;

    void EndeClick();
    void ESCAPEClick();

    tk::PaintBox* paintBoxText() const { return m_paintBoxText; }

private:
    void PaintBoxTextPaint();

    tk::PaintBox* m_paintBoxText;
};

extern TFormDauerTExt* FormDauerTExt;
