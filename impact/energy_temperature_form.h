#pragma once

#include "impact/energy_temperature_diagram.h"
#include "toolkit/form.h"

#include <QPoint>

class QAction;

namespace tk {
class PaintBox;
}

// The impact energy-temperature curve of the ISO-V specimen, opened from the
// pendulum impact tester. Clicking a region of the diagram shows the
// photograph of its fracture surface beside it. Closing the window leaves the
// pendulum tester ready for a new swing and closes the photographs.
class TFormAvT : public tk::Form {
    Q_OBJECT
public:
    TFormAvT();
    void formCreate() override;

    void FormPaint();
    void PaintBoxAvTxyMouseDown(Qt::MouseButton button, QPoint position);
    void CharakteristischeBruchflchen1Click();
    void EndeClick();
    void ESCClick();

    tk::PaintBox* diagram() const { return m_diagram; }

protected:
    void formClose() override;

private:
    void showPicture(impact::FracturePicture which);

    tk::PaintBox* m_diagram;
    QAction* m_allPictures;
};

extern TFormAvT* FormAvT;

namespace impact {

// The window with the photograph of a fracture surface, or null where it is
// not part of this build.
tk::Form* fracturePictureWindow(FracturePicture which);

}
