#include "vickers_device_forms.h"

#include "resources/pictures.h"
#include "toolkit/screen.h"

TFormHVA223* FormHVA223 = nullptr;
TFormHVA223Lese* FormHVA223Lese = nullptr;
TFormHVA223Kraft* FormHVA223Kraft = nullptr;
TFormHVA223Koerper* FormHVA223Koerper = nullptr;

namespace {

const tk::Font deviceFont = tk::Font::cell(QStringLiteral("MS Sans Serif"), 11);

void centre(tk::Form* form) { form->setBounds(tk::centredLeft(800), tk::centredTop(600), 800, 600); }

// Shows a detail beside the tester, or brings it to the front when it is
// open already.
void showDetail(tk::Form* detail)
{
    if (detail)
        detail->showBeside(FormHVA223);
}

}

TFormHVA223::TFormHVA223()
    //: Caption of the picture of the Vickers hardness tester; Harlunde is the tester's name
    : tk::PictureForm(QStringLiteral("TFormHVA223"), tr("Vickershärteprüfgerät Harlunde"),
                      pictures::vickersTester(), QStringLiteral("ImageHVA223"),
                      CloseMenu{QStringLiteral("Ende1"), QStringLiteral("ESC1")})
{
    setWindowFont(deviceFont);
    // After "&Ende", the details; the invisible ESC item is attached to the
    // window, not drawn.
    //: Menu item that shows the tester's reading device; access key after &
    addMenuItem(tr("&Ableseeinrichtung"), QStringLiteral("Ableseeinrichtung1"),
                [this] { Ableseeinrichtung1Click(); });
    //: Menu item that shows where the test weights are put on; access key after &
    addMenuItem(tr("&Prüfkraftauflage"), QStringLiteral("Prfkraftauflage1"),
                [this] { Prfkraftauflage1Click(); });
    //: Menu item that shows the indenter's mount and the specimen; access key after &
    addMenuItem(tr("Prüfkörpereinfassung und P&robe"), QStringLiteral("PrfkrperundProbe1"),
                [this] { PrfkrperundProbe1Click(); });
}

void TFormHVA223::formCreate() { centre(FormHVA223); }

void TFormHVA223::Ableseeinrichtung1Click() { showDetail(FormHVA223Lese); }

void TFormHVA223::Prfkraftauflage1Click() { showDetail(FormHVA223Kraft); }

void TFormHVA223::PrfkrperundProbe1Click() { showDetail(FormHVA223Koerper); }

namespace hardness {

VickersDetailForm::VickersDetailForm(const QString& className, const QString& caption, const QString& picture,
                                     const QString& pictureName)
    : tk::PictureForm(className, caption, picture, pictureName, CloseMenu{QStringLiteral("Ende1"), QStringLiteral("ESC1")})
{
    setWindowFont(deviceFont);
}

void VickersDetailForm::formCreate() { centre(this); }

}

TFormHVA223Lese::TFormHVA223Lese()
    //: Caption of the detail picture
    : VickersDetailForm(QStringLiteral("TFormHVA223Lese"), tr("Vickershärteprüfgerät: Ableseeinrichtung"),
                        pictures::vickersReadingDevice(), QStringLiteral("ImageHVA223Lese"))
{
}

TFormHVA223Kraft::TFormHVA223Kraft()
    //: Caption of the detail picture
    : VickersDetailForm(QStringLiteral("TFormHVA223Kraft"), tr("Vickershärteprüfgerät: Prüfkraftauflage"),
                        pictures::vickersLoadSupport(), QStringLiteral("ImageHVA223Kraft"))
{
}

TFormHVA223Koerper::TFormHVA223Koerper()
    : VickersDetailForm(QStringLiteral("TFormHVA223Koerper"),
                        //: Caption of the detail picture
                        tr("Vickershärteprüfgerät: Prüfkörpereinfassung und Probe"),
                        pictures::vickersIndenterAndSpecimen(), QStringLiteral("ImageHVA223Koerper"))
{
}
