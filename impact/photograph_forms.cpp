#include "photograph_forms.h"

#include "resources/pictures.h"
#include "toolkit/colours.h"
#include "toolkit/screen.h"

TFormBildH* FormBildH = nullptr;
TFormBildM* FormBildM = nullptr;
TFormBildT* FormBildT = nullptr;
TFormBildAus* FormBildAus = nullptr;
TFormHammerD108* FormHammerD108 = nullptr;
TFormZugD108* FormZugD108 = nullptr;

namespace impact {

FracturePictureForm::FracturePictureForm(const QString& className, const QString& caption, const QString& picture,
                                         int left, int top)
    : tk::PictureForm(className, caption, picture, QStringLiteral("Image1")), m_left(left), m_top(top)
{
    // The picture control is as large as the whole window and clipped by
    // the client area.
    setPictureBounds(QRect(0, 0, 230, 190));
}

void FracturePictureForm::formCreate() { setBounds(m_left, m_top, 230, 190); }

}

TFormBildH::TFormBildH()
    : FracturePictureForm(QStringLiteral("TFormBildH"), 
                          //: Title of a small photograph window (230 pixels wide): ductile fracture surface of St 37
                          tr("Zäher Bruch St 37"), pictures::fractureDuctile(),
                          570, 1)
{
}

TFormBildM::TFormBildM()
    : FracturePictureForm(QStringLiteral("TFormBildM"), 
                          //: Title of a small photograph window (230 pixels wide): mixed fracture surface of St 37
                          tr("Mischbruch St 37"), pictures::fractureMixed(),
                          570, 191)
{
}

TFormBildT::TFormBildT()
    : FracturePictureForm(QStringLiteral("TFormBildT"), 
                          //: Title of a small photograph window (230 pixels wide): brittle fracture surface of St 37
                          tr("Sprödbruch St 37"), pictures::fractureBrittle(),
                          570, 381)
{
}

TFormBildAus::TFormBildAus()
    : FracturePictureForm(QStringLiteral("TFormBildAus"), 
                          //: Title of a small photograph window (230 pixels wide)
                          tr("Zäher Bruch austenitischer Stahl"),
                          pictures::fractureAustenitic(), 330, 1)
{
}

namespace impact {

MachinePictureForm::MachinePictureForm(const QString& className, const QString& caption, const QString& picture,
                                       const QString& pictureName)
    : tk::PictureForm(className, caption, picture, pictureName,
                      CloseMenu{QStringLiteral("Ende1"), QStringLiteral("ESC1")})
{
    setColor(tk::colours::lightRed);
}

void MachinePictureForm::formCreate() { setBounds(tk::centredLeft(800), tk::centredTop(600), 800, 600); }

}

TFormHammerD108::TFormHammerD108()
    : MachinePictureForm(QStringLiteral("TFormHammerD108"), 
                         //: Title of the photograph of the pendulum impact tester; the name Harlunde stays
                         tr("Pendelschlagwerk Harlunde"),
                         pictures::pendulumTester(), QStringLiteral("ImageH1"))
{
}

TFormZugD108::TFormZugD108()
    : MachinePictureForm(QStringLiteral("TFormZugD108"), 
                         //: Title of the photograph of the tensile testing machine; the name Harlunde stays
                         tr("Zugprüfmaschine Harlunde"),
                         pictures::tensileMachine(), QStringLiteral("ImageZ1"))
{
    setWindowFont(tk::Font::character(QStringLiteral("MS Sans Serif"), 14));
}
