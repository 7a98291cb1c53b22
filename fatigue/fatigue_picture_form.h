#pragma once

#include "toolkit/picture_form.h"

namespace tk {
class PaintBox;
}

// The micrograph of a fatigue fracture surface of an austenitic Cr-Ni steel
// with its striations: the picture along the top of the window, and below it,
// on the black ground, its caption and a scale bar of 20 µm.
class TFormDauerBild : public tk::PictureForm {
    Q_OBJECT
public:
    TFormDauerBild();
    void formCreate() override;

    void FormPaint();

    // Ctrl+C copies the micrograph together with its caption and scale bar.
    QImage copiedPicture() override;

protected:
    void clientResized() override;

private:
    tk::PaintBox* m_canvas = nullptr;
};

extern TFormDauerBild* FormDauerBild;
