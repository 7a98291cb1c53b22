#pragma once

#include "toolkit/picture_form.h"

// The photographs of the impact and tensile topics. The four fracture
// surfaces belong to the regions of the impact energy-temperature curve,
// which shows them beside itself at their fixed places; the two machines open
// from the hub. A click on a photograph closes its window.
namespace impact {

class FracturePictureForm : public tk::PictureForm {
    Q_OBJECT
public:
    // `left` and `top` are the window's place, set once at creation: a window
    // the user moved stays where it was put.
    FracturePictureForm(const QString& className, const QString& caption, const QString& picture, int left, int top);
    void formCreate() override;

private:
    int m_left;
    int m_top;
};

}

class TFormBildH : public impact::FracturePictureForm {
    Q_OBJECT
public:
    TFormBildH();
};

class TFormBildM : public impact::FracturePictureForm {
    Q_OBJECT
public:
    TFormBildM();
};

class TFormBildT : public impact::FracturePictureForm {
    Q_OBJECT
public:
    TFormBildT();
};

class TFormBildAus : public impact::FracturePictureForm {
    Q_OBJECT
public:
    TFormBildAus();
};

namespace impact {

// A testing machine, 800 x 600 in the middle of the screen, on a light red
// ground, with "&Ende" and Escape.
class MachinePictureForm : public tk::PictureForm {
    Q_OBJECT
public:
    MachinePictureForm(const QString& className, const QString& caption, const QString& picture,
                       const QString& pictureName);
    void formCreate() override;
};

}

class TFormHammerD108 : public impact::MachinePictureForm {
    Q_OBJECT
public:
    TFormHammerD108();
};

class TFormZugD108 : public impact::MachinePictureForm {
    Q_OBJECT
public:
    TFormZugD108();
};

extern TFormBildH* FormBildH;
extern TFormBildM* FormBildM;
extern TFormBildT* FormBildT;
extern TFormBildAus* FormBildAus;
extern TFormHammerD108* FormHammerD108;
extern TFormZugD108* FormZugD108;
