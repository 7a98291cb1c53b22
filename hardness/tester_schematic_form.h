#pragma once

#include "toolkit/form.h"

namespace tk {
class Canvas;
class Memo;
class PaintBox;
}

// The schematic hardness tester: a labelled drawing of the machine beside a
// text that defines hardness and names the three static test methods. It has
// no animation and no input.
class TFormHaerte : public tk::Form {
    Q_OBJECT
public:
    TFormHaerte();
    void formCreate() override;

    // Menu and paint handlers
    void EndeClick();
    void ESCClick();
    void PaintBoxHauptPaint();

    tk::PaintBox* paintBoxHaupt() const { return m_paintBoxHaupt; }
    tk::Memo* memo() const { return m_memo; }

    static QStringList explanation();

private:
    tk::PaintBox* m_paintBoxHaupt;
    tk::Memo* m_memo;
};

namespace hardness {

// The drawing of the machine on the canvas of a paint box; the background
// bands reach to `windowWidth`, the frame and the machine's base follow the
// size of the box.
void paintHardnessTester(tk::Canvas& c, int windowWidth);

}

extern TFormHaerte* FormHaerte;
